#pragma once
// Puts a value back when the scope ends, also when an exception leaves it.

namespace cl {

template <class T>
class TRestore {
public:
    explicit TRestore(T& field) : field_(field), saved_(field) {}
    ~TRestore() { field_ = saved_; }
    TRestore(const TRestore&) = delete;
    TRestore& operator=(const TRestore&) = delete;

private:
    T& field_;
    T saved_;
};

}  // namespace cl
