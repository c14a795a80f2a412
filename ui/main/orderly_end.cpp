#include "ui/main/orderly_end.h"

#include "platform/forms/instances.h"

namespace qv::ui {
namespace {

std::function<void()>& installedEnd() {
    static std::function<void()> end;
    return end;
}

}  // namespace

void requestOrderlyEnd() {
    if (installedEnd()) installedEnd()();
    else forms::End();
}

void setOrderlyEnd(std::function<void()> end) { installedEnd() = std::move(end); }

}  // namespace qv::ui
