#include "engine/cinterfaces.h"

#include <utility>

namespace qv::engine {

CInterfaces::Member CInterfaces::Add(Member objInterface) {
    members_.push_back(objInterface);
    return objInterface;
}

CInterfaces::Member CInterfaces::Item(int position) const {
    if (position < 1 || position > Count()) return nullptr;
    return members_[static_cast<std::size_t>(position - 1)];
}

void CInterfaces::Remove(int position) {
    if (position < 1 || position > Count()) return;
    members_.erase(members_.begin() + (position - 1));
}

}  // namespace qv::engine
