#pragma once
// The presenter without a display: windows are not shown to anyone, but any form can be drawn
// to a PNG file on request, one file per window in a folder, so that every window can be
// looked at in a test or a review.
#include <string>
#include <vector>

#include "platform/forms/form.h"
#include "platform/present/render.h"

namespace qv::present {

class HeadlessPresenter {
public:
    explicit HeadlessPresenter(std::string folder, RenderOptions options = {})
        : folder_(std::move(folder)), options_(options) {}

    const std::string& folder() const { return folder_; }

    // Writes the form as "<folder>/<file name>.png" and returns the path; "" when the write fails.
    std::string snapshot(forms::Form& form) const;
    // Every loaded form that is visible, in the order LoadedForms gives; returns the paths
    // written. Forms of the same name get "-2", "-3"... after the first.
    std::vector<std::string> snapshotVisible() const;

    // The file name (without ".png") of a form's picture: its name with any character other than
    // a letter, a digit, "_" or "-" made "_".
    static std::string fileNameFor(const forms::Form& form);

private:
    std::string write(forms::Form& form, const std::string& name) const;
    std::string folder_;
    RenderOptions options_;
};

}  // namespace qv::present
