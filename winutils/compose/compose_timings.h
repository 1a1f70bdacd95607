// Where composing time goes, for benchmarks: GDI+ drawing calls versus the toolkit's own pixel
// code (resampling, blending, blurring, masks).
#pragma once
#include <chrono>

struct ComposeTimings {
    double gdiplusSeconds = 0;
    double pixelSeconds = 0;
};

// Adds the time until the end of the scope to one field; does nothing without a record.
class CTimedScope {
  public:
    CTimedScope(ComposeTimings* timings, double ComposeTimings::*field)
        : timings_(timings), field_(field), start_(std::chrono::steady_clock::now()) {}
    CTimedScope(const CTimedScope&) = delete;
    CTimedScope& operator=(const CTimedScope&) = delete;
    ~CTimedScope() {
        if (timings_)
            timings_->*field_ +=
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

  private:
    ComposeTimings* timings_;
    double ComposeTimings::*field_;
    std::chrono::steady_clock::time_point start_;
};
