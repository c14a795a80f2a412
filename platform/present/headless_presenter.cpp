#include "platform/present/headless_presenter.h"

#include <map>

#include "platform/forms/instances.h"

namespace qv::present {

std::string HeadlessPresenter::fileNameFor(const forms::Form& form) {
    std::string name = form.Name();
    for (char& c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '_' || c == '-';
        if (!plain) c = '_';
    }
    return name.empty() ? "form" : name;
}

std::string HeadlessPresenter::write(forms::Form& form, const std::string& name) const {
    const std::string path = folder_ + "/" + name + ".png";
    return writeFormPng(form, path, options_) ? path : std::string();
}

std::string HeadlessPresenter::snapshot(forms::Form& form) const { return write(form, fileNameFor(form)); }

std::vector<std::string> HeadlessPresenter::snapshotVisible() const {
    std::vector<std::string> written;
    std::map<std::string, int> seen;
    for (forms::Form* f : forms::LoadedForms()) {
        if (!f->Visible()) continue;
        std::string name = fileNameFor(*f);
        const int n = ++seen[name];
        if (n > 1) name += "-" + std::to_string(n);
        const std::string path = write(*f, name);
        if (!path.empty()) written.push_back(path);
    }
    return written;
}

}  // namespace qv::present
