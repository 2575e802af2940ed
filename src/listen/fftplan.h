// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A real FFT pair (forward and inverse) of one size, with buffers, owned by
// the object that uses it; FFTW's planner is guarded because it is not thread-safe.
#include <complex>
#include <vector>

typedef struct fftwf_plan_s* fftwf_plan;

namespace sorvel::listen {

class FftPlan {
public:
    explicit FftPlan(int size);
    ~FftPlan();
    FftPlan(const FftPlan&) = delete;
    FftPlan& operator=(const FftPlan&) = delete;

    int Size() const { return size_; }
    // Transforms real `time` (Size() samples) into `spectrum` (Size()/2+1 bins).
    void Forward(const float* time, std::complex<float>* spectrum);
    // Transforms `spectrum` back into Size() real samples, not scaled (× Size()).
    void Inverse(const std::complex<float>* spectrum, float* time);

private:
    int size_;
    float* real_ = nullptr;
    std::complex<float>* complex_ = nullptr;
    fftwf_plan forward_ = nullptr;
    fftwf_plan inverse_ = nullptr;
};

}  // namespace sorvel::listen
