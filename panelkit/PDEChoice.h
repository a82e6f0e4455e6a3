// One PPD choice as the pop-up lists show it: its keyword and its text.
#pragma once

#include <string>

#include <cups/ppd.h>

class PDEChoice {
public:
    static PDEChoice choiceWithChoice(const ppd_choice_t* choice) { return PDEChoice(choice); }
    explicit PDEChoice(const ppd_choice_t* choice) { initWithChoice(choice); }

    PDEChoice& initWithChoice(const ppd_choice_t* choice);

    // The choice's keyword; the choice's human-readable text.
    const std::string& ppdTitle() const { return ppdTitle_; }
    const std::string& userTitle() const { return userTitle_; }
    const ppd_choice_t* choice() const { return choice_; }

private:
    const ppd_choice_t* choice_ = nullptr; // owned by the PPD record
    std::string ppdTitle_;
    std::string userTitle_;
};
