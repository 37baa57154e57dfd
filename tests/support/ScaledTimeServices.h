#pragma once

#include <algorithm>
#include <memory>
#include <utility>

#include "platform/Services.h"

namespace quillmark::testing {

// The given services with time running `factor` times faster: the window's
// ten-second retries and thirty-second batches pass in a fraction of that.
// Timers still report the interval they were given.
class ScaledTimeServices final : public Services {
public:
    ScaledTimeServices(Services& real, int factor) : real_(real), factor_(factor) {}

    std::unique_ptr<TcpClient> makeTcpClient() override { return real_.makeTcpClient(); }
    std::unique_ptr<Timer> makeTimer() override {
        return std::make_unique<ScaledTimer>(real_.makeTimer(), factor_);
    }
    EventPump& pump() override { return real_.pump(); }
    SettingsStore& settings() override { return real_.settings(); }
    Clipboard& clipboard() override { return real_.clipboard(); }
    FileDialogs& dialogs() override { return real_.dialogs(); }
    MessageBox& messages() override { return real_.messages(); }
    Shell& shell() override { return real_.shell(); }
    Clock& clock() override { return real_.clock(); }

private:
    class ScaledTimer final : public Timer {
    public:
        ScaledTimer(std::unique_ptr<Timer> real, int factor) : real_(std::move(real)), factor_(factor) {}
        void setOnTick(std::function<void()> onTick) override { real_->setOnTick(std::move(onTick)); }
        void setInterval(int ms) override {
            interval_ = ms;
            // 0 stays 0: a timer without an interval does not tick.
            real_->setInterval(ms == 0 ? 0 : std::max(1, ms / factor_));
        }
        int interval() const override { return interval_; }
        void setEnabled(bool enabled) override { real_->setEnabled(enabled); }
        bool enabled() const override { return real_->enabled(); }

    private:
        std::unique_ptr<Timer> real_;
        int factor_;
        int interval_ = 0;
    };

    Services& real_;
    int factor_;
};

}  // namespace quillmark::testing
