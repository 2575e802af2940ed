// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/fftplan.h"

#include <fftw3.h>

#include <algorithm>
#include <mutex>

namespace sorvel::listen {
namespace {

// FFTW keeps one planner for the whole process; plans may be made from
// several analyses at once (a file and the microphone), so making and freeing
// them is serialised. Executing a plan needs no lock.
std::mutex& PlannerLock() {
    static std::mutex lock;
    return lock;
}

}  // namespace

FftPlan::FftPlan(int size) : size_(std::max(size, 2)) {
    std::lock_guard guard(PlannerLock());
    real_ = fftwf_alloc_real(static_cast<std::size_t>(size_));
    complex_ = reinterpret_cast<std::complex<float>*>(
        fftwf_alloc_complex(static_cast<std::size_t>(size_ / 2 + 1)));
    auto* c = reinterpret_cast<fftwf_complex*>(complex_);
    forward_ = fftwf_plan_dft_r2c_1d(size_, real_, c, FFTW_ESTIMATE);
    inverse_ = fftwf_plan_dft_c2r_1d(size_, c, real_, FFTW_ESTIMATE);
}

FftPlan::~FftPlan() {
    std::lock_guard guard(PlannerLock());
    fftwf_destroy_plan(forward_);
    fftwf_destroy_plan(inverse_);
    fftwf_free(real_);
    fftwf_free(complex_);
}

void FftPlan::Forward(const float* time, std::complex<float>* spectrum) {
    std::copy(time, time + size_, real_);
    fftwf_execute(forward_);
    std::copy(complex_, complex_ + size_ / 2 + 1, spectrum);
}

void FftPlan::Inverse(const std::complex<float>* spectrum, float* time) {
    std::copy(spectrum, spectrum + size_ / 2 + 1, complex_);
    fftwf_execute(inverse_);
    std::copy(real_, real_ + size_, time);
}

}  // namespace sorvel::listen
