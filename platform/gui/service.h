#pragma once
// One process-wide instance of a service (the window system, the prompter, the sound player...)
// that a test replaces for its own lifetime, as the clock is replaced with ScopedClock.
namespace qv::gui {

template <class T>
class Service {
public:
    // The installed instance, or the given default when none is installed.
    static T& get(T& fallback) { return current_ ? *current_ : fallback; }
    static T* installed() { return current_; }

private:
    template <class>
    friend class ScopedService;
    static inline T* current_ = nullptr;
};

// Installs an instance for the object's lifetime; nested installs restore in reverse order.
template <class T>
class ScopedService {
public:
    explicit ScopedService(T& instance) : previous_(Service<T>::current_) {
        Service<T>::current_ = &instance;
    }
    ~ScopedService() { Service<T>::current_ = previous_; }
    ScopedService(const ScopedService&) = delete;
    ScopedService& operator=(const ScopedService&) = delete;

private:
    T* previous_;
};

}  // namespace qv::gui
