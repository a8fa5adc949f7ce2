#pragma once

#include <optional>
#include <utility>

#include "kerfa_content/data/storage/box.hpp"

namespace kerfa_content::data::storage {

// An optional value kept out of line, for a rare value of a common record: absent, it costs one
// null word instead of the value's whole size. Used like a std::optional; copies are deep (on the
// heap) and comparisons are by value.
template <class T>
class Nullable {
  public:
    Nullable() noexcept = default;
    Nullable(std::nullopt_t) noexcept {}  // NOLINT(google-explicit-constructor)
    Nullable(T value)  // NOLINT(google-explicit-constructor): stands for its value
        : box_(Box<T>::make(std::move(value))) {}
    Nullable(std::optional<T> value) {  // NOLINT(google-explicit-constructor)
        if (value) {
            box_ = Box<T>::make(std::move(*value));
        }
    }

    Nullable(const Nullable& other) {
        if (other) {
            box_ = Box<T>::make(*other);
        }
    }
    Nullable& operator=(const Nullable& other) {
        if (this != &other) {
            Nullable copy(other);
            box_ = std::move(copy.box_);
        }
        return *this;
    }
    Nullable(Nullable&&) noexcept = default;
    Nullable& operator=(Nullable&&) noexcept = default;
    ~Nullable() = default;

    Nullable& operator=(std::nullopt_t) noexcept {
        box_.reset();
        return *this;
    }
    Nullable& operator=(std::optional<T> value) {
        if (value) {
            return *this = std::move(*value);
        }
        box_.reset();
        return *this;
    }
    Nullable& operator=(T value) {
        if (box_) {
            *box_ = std::move(value);
        } else {
            box_ = Box<T>::make(std::move(value));
        }
        return *this;
    }

    template <class... Args>
    T& emplace(Args&&... args) {
        box_ = Box<T>::make(std::forward<Args>(args)...);
        return *box_;
    }
    void reset() noexcept { box_.reset(); }

    bool has_value() const noexcept { return static_cast<bool>(box_); }
    explicit operator bool() const noexcept { return has_value(); }
    const T& operator*() const noexcept { return *box_; }
    T& operator*() noexcept { return *box_; }
    const T* operator->() const noexcept { return box_.get(); }
    T* operator->() noexcept { return box_.get(); }
    const T& value() const noexcept { return *box_; }
    T& value() noexcept { return *box_; }

    friend bool operator==(const Nullable& a, const Nullable& b) {
        return a.has_value() == b.has_value() && (!a.has_value() || *a == *b);
    }
    friend bool operator==(const Nullable& a, std::nullopt_t) noexcept { return !a.has_value(); }

  private:
    Box<T> box_;
};

}  // namespace kerfa_content::data::storage
