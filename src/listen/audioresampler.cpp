// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/audioresampler.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sorvel::listen {
namespace {

constexpr int kZeroCrossings = 16;  // of the sinc on either side
constexpr int kPhases = 256;
constexpr double kKaiserBeta = 8.6;    // about 90 dB stop band
constexpr double kPassFraction = 0.9;  // of the lower Nyquist frequency

double BesselI0(double x) {
    double sum = 1, term = 1;
    for (int k = 1; k < 40; ++k) {
        term *= (x / (2 * k)) * (x / (2 * k));
        sum += term;
        if (term < 1e-12 * sum) break;
    }
    return sum;
}

}  // namespace

AudioResampler::AudioResampler(int inRate, int outRate)
    : in_(std::max(inRate, 1)), out_(std::max(outRate, 1)) {
    if (in_ == out_) return;
    const double scale = std::min(1.0, static_cast<double>(out_) / static_cast<double>(in_));
    const double cutoff = 0.5 * scale * kPassFraction;  // cycles per input sample
    half_ = static_cast<int>(std::ceil(kZeroCrossings / (2 * cutoff)));
    phases_ = kPhases;
    const int width = 2 * half_;
    table_.assign(static_cast<std::size_t>((phases_ + 1) * width), 0.0f);
    const double norm = BesselI0(kKaiserBeta);
    for (int p = 0; p <= phases_; ++p) {
        const double frac = static_cast<double>(p) / phases_;
        for (int k = 0; k < width; ++k) {
            const double t = (k - half_ + 1) - frac;  // input offset from the output time
            const double r = t / half_;
            const double window =
                std::abs(r) >= 1 ? 0 : BesselI0(kKaiserBeta * std::sqrt(1 - r * r)) / norm;
            const double x = 2 * cutoff * t;
            const double sinc =
                x == 0 ? 1 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
            table_[static_cast<std::size_t>(p * width + k)] =
                static_cast<float>(2 * cutoff * sinc * window);
        }
    }
    // Silence before the first sample, so that the first outputs have
    // their filter's left half.
    buffer_.assign(static_cast<std::size_t>(half_), 0.0f);
    bufferStart_ = -half_;
}

float AudioResampler::Output(std::int64_t n) const {
    const std::int64_t pos = n * in_;
    const std::int64_t index = pos / out_;
    const double phase = static_cast<double>(pos % out_) / static_cast<double>(out_) * phases_;
    const int row = std::min(static_cast<int>(phase), phases_ - 1);
    const float frac = static_cast<float>(phase - row);
    const int width = 2 * half_;
    const float* a = &table_[static_cast<std::size_t>(row * width)];
    const float* b = a + width;
    const float* x = &buffer_[static_cast<std::size_t>(index - half_ + 1 - bufferStart_)];
    float sum = 0;
    for (int k = 0; k < width; ++k) sum += x[k] * (a[k] + frac * (b[k] - a[k]));
    return sum;
}

void AudioResampler::Produce(std::vector<float>& out, std::int64_t outputs) {
    const std::int64_t available = bufferStart_ + static_cast<std::int64_t>(buffer_.size());
    for (; nextOut_ < outputs; ++nextOut_) {
        const std::int64_t index = nextOut_ * in_ / out_;
        if (index + half_ >= available) break;
        out.push_back(Output(nextOut_));
    }
    DropConsumed();
}

void AudioResampler::DropConsumed() {
    const std::int64_t keepFrom = nextOut_ * in_ / out_ - half_ + 1;
    const std::int64_t drop = keepFrom - bufferStart_;
    // Compacting only once half the buffer is dead keeps the copying linear.
    if (drop <= 0 || 2 * drop < static_cast<std::int64_t>(buffer_.size())) return;
    buffer_.erase(buffer_.begin(), buffer_.begin() + drop);
    bufferStart_ = keepFrom;
}

void AudioResampler::Push(const float* in, std::size_t count, std::vector<float>& out) {
    received_ += static_cast<std::int64_t>(count);
    if (in_ == out_) {
        out.insert(out.end(), in, in + count);
        return;
    }
    buffer_.insert(buffer_.end(), in, in + count);
    Produce(out, INT64_MAX);
}

void AudioResampler::Finish(std::vector<float>& out) {
    if (in_ == out_) return;
    buffer_.insert(buffer_.end(), static_cast<std::size_t>(half_ + 1), 0.0f);
    const std::int64_t total = (received_ * out_ + in_ - 1) / in_;
    Produce(out, total);
}

}  // namespace sorvel::listen
