// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Streaming sample-rate conversion with a Kaiser-windowed sinc filter: blocks
// in at one rate, blocks out at another, any ratio, in bounded memory.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sorvel::listen {

class AudioResampler {
public:
    AudioResampler(int inRate, int outRate);

    // Appends the output that the input so far determines to `out`.
    void Push(const float* in, std::size_t count, std::vector<float>& out);
    // Appends the rest, as if silence followed the input.
    void Finish(std::vector<float>& out);

    // Input samples held for the filter's reach (for memory checks).
    std::size_t Buffered() const { return buffer_.size(); }

private:
    void Produce(std::vector<float>& out, std::int64_t outputs);
    float Output(std::int64_t n) const;
    void DropConsumed();

    std::int64_t in_;
    std::int64_t out_;
    int half_ = 0;    // filter reach on either side, in input samples
    int phases_ = 0;  // rows of the filter table between two input samples
    std::vector<float> table_;
    std::vector<float> buffer_;
    std::int64_t bufferStart_ = 0;  // input index of buffer_[0]
    std::int64_t nextOut_ = 0;
    std::int64_t received_ = 0;
};

}  // namespace sorvel::listen
