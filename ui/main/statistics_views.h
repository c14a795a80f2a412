#pragma once
// The main window's statistics lists: logstat builds the four lists once, and each refresher
// rewrites only the rows whose counter changed since it last looked, so a tick with nothing new
// touches no row. The window calls them with its lists and from its timers:
//
//   StatisticsViews stats{ListView1, ListView2, ListView3, ListView4};
//   stats.logstat();                            // at load, after loadset
//   Timer6.Tick = [this] { stats.RefreshTcpStats(); };
//
// A statistics call that fails leaves the rows as they are.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/forms/common/list_view.h"

namespace qv::ui {

// One list of label and value rows with the counters it last showed.
template <size_t N>
class StatisticsList {
public:
    StatisticsList(forms::ListView& list, const std::array<std::string_view, N>& labels, int maximumRow = 0)
        : list_(list), labels_(labels), maximumRow_(maximumRow) {}

    // Appends one row per label (the list is not cleared first).
    void addRows();
    // Writes every row from the counters and keeps them.
    void fill(const std::array<uint32_t, N>& values);
    // Writes the rows whose counter differs from the kept one, then keeps the new counters.
    void refresh(const std::array<uint32_t, N>& values);

private:
    void write(size_t row, uint32_t value);
    forms::ListView& list_;
    const std::array<std::string_view, N>& labels_;
    int maximumRow_;
    std::array<uint32_t, N> shown_{};  // zero before the first refresh, as the window's copies are
};

class StatisticsViews {
public:
    StatisticsViews(forms::ListView& tcp, forms::ListView& ip, forms::ListView& udp, forms::ListView& icmp);

    // Builds the four lists and fills them from the host, letting pending events run between.
    void logstat();
    void RefreshTcpStats();
    void RefreshIpStats();
    void RefreshUdpStats();
    // The ICMP list shows the incoming counters, at load and here alike.
    void RefreshIcmpStats();

private:
    StatisticsList<15> tcp_;
    StatisticsList<23> ip_;
    StatisticsList<5> udp_;
    StatisticsList<13> icmp_;
};

}  // namespace qv::ui
