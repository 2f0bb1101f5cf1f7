// Arrays indexed from a lower bound of our choosing (mostly 1), as the engine's data blocks and the
// house model index them.  2-D and 3-D arrays are column-major: the first index varies fastest.
// Indices are checked by assert, so debug builds catch a stray index and release builds pay nothing.
//
// FixedArray* hold their elements inline with bounds fixed at compile time.  Array* are sized once,
// from the counts of a run, and never reallocate afterwards.
#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <vector>

namespace common {

template <class T, int Lo, int Hi> class FixedArray1 {
    static_assert(Hi >= Lo);

  public:
    static constexpr int lo = Lo;
    static constexpr int hi = Hi;
    static constexpr std::size_t count = static_cast<std::size_t>(Hi - Lo + 1);

    T& operator()(int i) {
        assert(i >= Lo && i <= Hi);
        return data_[static_cast<std::size_t>(i - Lo)];
    }
    const T& operator()(int i) const {
        assert(i >= Lo && i <= Hi);
        return data_[static_cast<std::size_t>(i - Lo)];
    }
    T& operator[](int i) { return (*this)(i); }
    const T& operator[](int i) const { return (*this)(i); }
    void fill(const T& value) { data_.fill(value); }
    T* data() { return data_.data(); }
    const T* data() const { return data_.data(); }
    auto begin() { return data_.begin(); }
    auto end() { return data_.end(); }
    auto begin() const { return data_.begin(); }
    auto end() const { return data_.end(); }
    bool operator==(const FixedArray1&) const = default;

  private:
    std::array<T, count> data_{};
};

template <class T, int Lo1, int Hi1, int Lo2, int Hi2> class FixedArray2 {
    static_assert(Hi1 >= Lo1 && Hi2 >= Lo2);
    static constexpr std::size_t n1 = static_cast<std::size_t>(Hi1 - Lo1 + 1);
    static constexpr std::size_t n2 = static_cast<std::size_t>(Hi2 - Lo2 + 1);

  public:
    T& operator()(int i, int j) { return data_[index(i, j)]; }
    const T& operator()(int i, int j) const { return data_[index(i, j)]; }
    void fill(const T& value) { data_.fill(value); }
    T* data() { return data_.data(); }
    const T* data() const { return data_.data(); }
    bool operator==(const FixedArray2&) const = default;

  private:
    static std::size_t index(int i, int j) {
        assert(i >= Lo1 && i <= Hi1 && j >= Lo2 && j <= Hi2);
        return static_cast<std::size_t>(i - Lo1) + n1 * static_cast<std::size_t>(j - Lo2);
    }
    std::array<T, n1 * n2> data_{};
};

template <class T> class Array1 {
  public:
    Array1() = default;
    Array1(int lo, int hi, const T& value = T()) { allocate(lo, hi, value); }
    void allocate(int lo, int hi, const T& value = T()) {
        assert(hi >= lo - 1);
        lo_ = lo;
        hi_ = hi;
        data_.assign(static_cast<std::size_t>(hi - lo + 1), value);
    }
    T& operator()(int i) {
        assert(i >= lo_ && i <= hi_);
        return data_[static_cast<std::size_t>(i - lo_)];
    }
    const T& operator()(int i) const {
        assert(i >= lo_ && i <= hi_);
        return data_[static_cast<std::size_t>(i - lo_)];
    }
    T& operator[](int i) { return (*this)(i); }
    const T& operator[](int i) const { return (*this)(i); }
    int lo() const { return lo_; }
    int hi() const { return hi_; }
    std::size_t size() const { return data_.size(); }
    void fill(const T& value) { std::fill(data_.begin(), data_.end(), value); }
    T* data() { return data_.data(); }
    const T* data() const { return data_.data(); }

  private:
    std::vector<T> data_;
    int lo_ = 1;
    int hi_ = 0;
};

template <class T> class Array2 {
  public:
    Array2() = default;
    Array2(int lo1, int hi1, int lo2, int hi2, const T& value = T()) { allocate(lo1, hi1, lo2, hi2, value); }
    void allocate(int lo1, int hi1, int lo2, int hi2, const T& value = T()) {
        assert(hi1 >= lo1 - 1 && hi2 >= lo2 - 1);
        lo1_ = lo1;
        hi1_ = hi1;
        lo2_ = lo2;
        hi2_ = hi2;
        n1_ = static_cast<std::size_t>(hi1 - lo1 + 1);
        data_.assign(n1_ * static_cast<std::size_t>(hi2 - lo2 + 1), value);
    }
    T& operator()(int i, int j) { return data_[index(i, j)]; }
    const T& operator()(int i, int j) const { return data_[index(i, j)]; }
    // The contiguous column j (all i), as a pointer to its first element.
    T* column(int j) { return &data_[index(lo1_, j)]; }
    const T* column(int j) const { return &data_[index(lo1_, j)]; }
    int lo1() const { return lo1_; }
    int hi1() const { return hi1_; }
    int lo2() const { return lo2_; }
    int hi2() const { return hi2_; }
    std::size_t size() const { return data_.size(); }
    void fill(const T& value) { std::fill(data_.begin(), data_.end(), value); }
    T* data() { return data_.data(); }
    const T* data() const { return data_.data(); }

  private:
    std::size_t index(int i, int j) const {
        assert(i >= lo1_ && i <= hi1_ && j >= lo2_ && j <= hi2_);
        return static_cast<std::size_t>(i - lo1_) + n1_ * static_cast<std::size_t>(j - lo2_);
    }
    std::vector<T> data_;
    int lo1_ = 1, hi1_ = 0, lo2_ = 1, hi2_ = 0;
    std::size_t n1_ = 0;
};

template <class T> class Array3 {
  public:
    Array3() = default;
    Array3(int lo1, int hi1, int lo2, int hi2, int lo3, int hi3, const T& value = T()) {
        allocate(lo1, hi1, lo2, hi2, lo3, hi3, value);
    }
    void allocate(int lo1, int hi1, int lo2, int hi2, int lo3, int hi3, const T& value = T()) {
        assert(hi1 >= lo1 - 1 && hi2 >= lo2 - 1 && hi3 >= lo3 - 1);
        lo_ = {lo1, lo2, lo3};
        hi_ = {hi1, hi2, hi3};
        n1_ = static_cast<std::size_t>(hi1 - lo1 + 1);
        n12_ = n1_ * static_cast<std::size_t>(hi2 - lo2 + 1);
        data_.assign(n12_ * static_cast<std::size_t>(hi3 - lo3 + 1), value);
    }
    T& operator()(int i, int j, int k) { return data_[index(i, j, k)]; }
    const T& operator()(int i, int j, int k) const { return data_[index(i, j, k)]; }
    std::size_t size() const { return data_.size(); }
    void fill(const T& value) { std::fill(data_.begin(), data_.end(), value); }
    T* data() { return data_.data(); }
    const T* data() const { return data_.data(); }

  private:
    std::size_t index(int i, int j, int k) const {
        assert(i >= lo_[0] && i <= hi_[0] && j >= lo_[1] && j <= hi_[1] && k >= lo_[2] && k <= hi_[2]);
        return static_cast<std::size_t>(i - lo_[0]) + n1_ * static_cast<std::size_t>(j - lo_[1]) +
               n12_ * static_cast<std::size_t>(k - lo_[2]);
    }
    std::vector<T> data_;
    std::array<int, 3> lo_{1, 1, 1}, hi_{0, 0, 0};
    std::size_t n1_ = 0, n12_ = 0;
};

} // namespace common
