#pragma once

#include "support/ScriptedUi.h"

#include <csignal>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>

namespace tavrel::test {

// While alive, no file of this process may grow beyond `bytes`: a write past
// it fails the way it fails on a full disk. Works for root as well.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim = saved_;
        lim.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

// A message box as the user sees it: its text, title, buttons and icon.
inline void expectBox(const ScriptedUi::Message& m, const QString& text, const QString& title,
                      Ui::Buttons buttons, std::optional<Ui::Icon> icon = {})
{
    EXPECT_EQ(m.text, text);
    EXPECT_EQ(m.title, title);
    EXPECT_EQ(m.buttons, buttons);
    if (icon) {
        EXPECT_EQ(m.icon, *icon);
    }
}

} // namespace tavrel::test
