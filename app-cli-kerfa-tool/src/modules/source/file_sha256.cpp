#include "modules/source/file_sha256.hpp"

// The digest's own functions, not the EVP layer: linked statically, EVP brings in OpenSSL's whole
// provider machinery, megabytes of code and thousands of relocations that every start pays for.
// They are marked deprecated, not removed, and stay the same SHA-256.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/sha.h>

#include <array>

#include "shared/utils/fault.hpp"
#include "shared/utils/file_io.hpp"

namespace kerfa_tool::modules::source {
namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

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
    SHA256_CTX context;
    if (SHA256_Init(&context) != 1) {
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
        if (SHA256_Update(&context, chunk.data(), *got) != 1) {
            shared::utils::internal_fault("SHA-256 digest update failed");
        }
    }
    std::array<unsigned char, SHA256_DIGEST_LENGTH> digest{};
    if (SHA256_Final(digest.data(), &context) != 1) {
        shared::utils::internal_fault("SHA-256 digest could not be finished");
    }
    return to_hex(digest.data(), SHA256_DIGEST_LENGTH);
}

std::expected<std::string, std::error_code> sha256_of_file(const std::string& path) {
    const auto file = shared::utils::open_for_reading(path);
    if (!file) {
        return std::unexpected(file.error());
    }
    return sha256_of_descriptor(*file);
}

}  // namespace kerfa_tool::modules::source
