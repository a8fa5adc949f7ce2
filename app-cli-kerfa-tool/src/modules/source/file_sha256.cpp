#include "kerfa_tool/modules/source/file_sha256.hpp"

#include <fcntl.h>
#include <openssl/evp.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <memory>

#include "shared/utils/fault.hpp"

namespace kerfa_tool::modules::source {
namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

struct DigestContextFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
using DigestContext = std::unique_ptr<EVP_MD_CTX, DigestContextFree>;

std::string to_hex(const unsigned char* bytes, unsigned int size) {
    static constexpr std::string_view digits = "0123456789abcdef";
    std::string out;
    out.reserve(std::size_t{size} * 2);
    for (unsigned int i = 0; i < size; ++i) {
        out.push_back(digits[bytes[i] >> 4U]);
        out.push_back(digits[bytes[i] & 0x0FU]);
    }
    return out;
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    // Read-only: a failed close loses nothing.
    ~Descriptor() { ::close(fd_); }
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

std::expected<std::string, std::error_code> sha256_of_descriptor(int fd) {
    DigestContext context(EVP_MD_CTX_new());
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1) {
        shared::utils::internal_fault("SHA-256 digest could not be set up");
    }
    std::array<unsigned char, kChunkSize> chunk{};
    for (;;) {
        ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::unexpected(std::error_code(errno, std::system_category()));
        }
        if (got == 0) {
            break;
        }
        if (EVP_DigestUpdate(context.get(), chunk.data(), static_cast<std::size_t>(got)) != 1) {
            shared::utils::internal_fault("SHA-256 digest update failed");
        }
    }
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int size = 0;
    if (EVP_DigestFinal_ex(context.get(), digest.data(), &size) != 1 || size != 32) {
        shared::utils::internal_fault("SHA-256 digest could not be finished");
    }
    return to_hex(digest.data(), size);
}

std::expected<std::string, std::error_code> sha256_of_file(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::unexpected(std::error_code(errno, std::system_category()));
    }
    Descriptor descriptor(fd);
    return sha256_of_descriptor(descriptor.get());
}

}  // namespace kerfa_tool::modules::source
