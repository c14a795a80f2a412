#include "ui/main/statistics_views.h"

#include <string>

#include "platform/forms/runtime.h"
#include "platform/host/host.h"
#include "ui/main/statistics_rows.h"

namespace qv::ui {

template <size_t N>
void StatisticsList<N>::addRows() {
    for (std::string_view label : labels_) list_.ListItems().Add(-1, "", std::string(label));
}

template <size_t N>
void StatisticsList<N>::write(size_t row, uint32_t value) {
    // Rows the list does not have (a list built elsewhere) are passed over.
    if (static_cast<int>(row) + 1 > list_.ListItems().Count()) return;
    list_.ListItems()(static_cast<int>(row) + 1).SubItems(1, counterText(value, static_cast<int>(row) + 1 == maximumRow_));
}

template <size_t N>
void StatisticsList<N>::fill(const std::array<uint32_t, N>& values) {
    for (size_t i = 0; i < N; ++i) write(i, values[i]);
    shown_ = values;
}

template <size_t N>
void StatisticsList<N>::refresh(const std::array<uint32_t, N>& values) {
    for (size_t i = 0; i < N; ++i)
        if (values[i] != shown_[i]) write(i, values[i]);
    shown_ = values;
}

StatisticsViews::StatisticsViews(forms::ListView& tcp, forms::ListView& ip, forms::ListView& udp,
                                 forms::ListView& icmp)
    : tcp_(tcp, kTcpRowLabels, kDynamicMaximumRow), ip_(ip, kIpRowLabels), udp_(udp, kUdpRowLabels),
      icmp_(icmp, kIcmpRowLabels) {}

void StatisticsViews::logstat() {
    tcp_.addRows();
    ip_.addRows();
    udp_.addRows();
    icmp_.addRows();
    host::Host& h = host::currentHost();
    tcp_.fill(rowValues(h.tcpStatistics().value_or(host::TcpStats{})));
    forms::DoEvents();
    ip_.fill(rowValues(h.ipStatistics().value_or(host::IpStats{})));
    forms::DoEvents();
    udp_.fill(rowValues(h.udpStatistics().value_or(host::UdpStats{})));
    forms::DoEvents();
    icmp_.fill(rowValues(h.icmpStatistics().value_or(host::IcmpStats{}).in));
    forms::DoEvents();
    forms::DoEvents();
}

void StatisticsViews::RefreshTcpStats() {
    if (auto s = host::currentHost().tcpStatistics()) tcp_.refresh(rowValues(*s));
}
void StatisticsViews::RefreshIpStats() {
    if (auto s = host::currentHost().ipStatistics()) ip_.refresh(rowValues(*s));
}
void StatisticsViews::RefreshUdpStats() {
    if (auto s = host::currentHost().udpStatistics()) udp_.refresh(rowValues(*s));
}
void StatisticsViews::RefreshIcmpStats() {
    if (auto s = host::currentHost().icmpStatistics()) icmp_.refresh(rowValues(s->in));
}

}  // namespace qv::ui
