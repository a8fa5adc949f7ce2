#pragma once

// Runs work on a thread with a small stack, so a test proves that a walk does not recurse over
// the depth of a document: a recursive walk overflows such a stack within a few thousand levels.
//
//   run_on_small_stack([&] { out = writer.render(deep); });

#include <pthread.h>

#include <cstddef>
#include <functional>
#include <stdexcept>

namespace kerfa_content::testing {

inline constexpr std::size_t SMALL_STACK_BYTES = 256 * 1024;

inline void run_on_small_stack(const std::function<void()>& work,
                               std::size_t stack_bytes = SMALL_STACK_BYTES) {
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, stack_bytes);
    pthread_t thread;
    const auto body = [](void* argument) -> void* {
        (*static_cast<const std::function<void()>*>(argument))();
        return nullptr;
    };
    const int started =
        pthread_create(&thread, &attributes, body, const_cast<std::function<void()>*>(&work));
    pthread_attr_destroy(&attributes);
    if (started != 0) {
        throw std::runtime_error("could not start a thread");
    }
    pthread_join(thread, nullptr);
}

}  // namespace kerfa_content::testing
