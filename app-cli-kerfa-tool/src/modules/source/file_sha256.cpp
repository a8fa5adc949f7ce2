#include "modules/source/file_sha256.hpp"

#include <openssl/evp.h>

#include <array>
#include <memory>

#include "shared/utils/fault.hpp"
#include "shared/utils/file_io.hpp"

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

}  // namespace

std::expected<std::string, std::error_code> sha256_of_descriptor(
    const shared::utils::FileDescriptor& file) {
    DigestContext context(EVP_MD_CTX_new());
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1) {
        shared::utils::internal_fault("SHA-256 digest could not be set up");
    }
    std::array<char, kChunkSize> chunk{};
    for (;;) {
        const auto got = shared::utils::read_some(file, chunk);
        if (!got) {
            return std::unexpected(got.error());
        }
        if (*got == 0) {
            break;
        }
        if (EVP_DigestUpdate(context.get(), chunk.data(), *got) != 1) {
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
    const auto file = shared::utils::open_for_reading(path);
    if (!file) {
        return std::unexpected(file.error());
    }
    return sha256_of_descriptor(*file);
}

}  // namespace kerfa_tool::modules::source
