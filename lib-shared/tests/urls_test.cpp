#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "shared/utils/urls.hpp"

namespace {

using namespace shared::utils;
using Text = std::optional<std::string>;

struct HostAndPath {
    std::string text;
    Text expected;  // host and path
};

void expect_hosts_and_paths(const std::vector<HostAndPath>& cases) {
    for (const HostAndPath& c : cases) {
        const std::optional<Url> url = to_url(c.text);
        ASSERT_EQ(url.has_value(), c.expected.has_value()) << "[" << c.text << "]";
        if (url) {
            EXPECT_EQ(url->host() + " " + url->path(), *c.expected) << c.text;
        }
    }
}

TEST(Urls, ToUrlAddsTheSchemeOnlyWhenMissing) {
    const std::vector<HostAndPath> cases = {
        {"example.com/a.png", "example.com /a.png"},
        {"http://example.com/a.png", "example.com /a.png"},
        // Had "http://" gone in front of this, "https" would have become the host.
        {"HTTPS://Example.com/A.PNG", "example.com /A.PNG"},
        {"  http://example.com/x ", "example.com /x"},
        {" \texample.com/x", std::nullopt},
        {"example.com", "example.com /"},
        {"http:///x", "x /"},
        {"", std::nullopt},
        {"http://", std::nullopt},
        {"http://exa mple.com/", std::nullopt},
        {"example.com:99999/x", std::nullopt},
    };
    expect_hosts_and_paths(cases);
}

TEST(Urls, ReadsAddressesAsWebBrowsersDo) {
    const std::vector<HostAndPath> cases = {
        // Escaped dots are dot segments too.
        {"http://h/a/%2e%2e/b.c", "h /b.c"},
        {"http://h/a/%2E/b.c", "h /a/b.c"},
        {"h/a/b/.%2E/%2e./c", "h /c"},
        {"h/a/%2e%2e", "h /"},
        {"h/a/%2e", "h /a/"},
        {"h/a/%2e%2e%2e/b", "h /a/%2e%2e%2e/b"},
        // Slashes before the host, however many, are not part of it.
        {"//h/x.y", "h /x.y"},
        {"https:////h/x.y", "h /x.y"},
        // A host ending in a number is an IPv4 address, written in its dotted form.
        {"1.2.3.4/x", "1.2.3.4 /x"},
        {"1.2.3.4./x", "1.2.3.4 /x"},
        {"0x7f.1/x", "127.0.0.1 /x"},
        {"1.2.3.4.5/x", std::nullopt},
        {"256.0.0.1/x", std::nullopt},
        {"1.2.3.08/x", std::nullopt},
        {"files.v2/x", "files.v2 /x"},
        {"User:Pass@Example.COM:8080/a", "example.com /a"},
        {"[::1]:80/a", "[::1] /a"},
        {"[::1/a", std::nullopt},
        {"exa%41mple.com/", std::nullopt},
        {"h:8a/", std::nullopt},
    };
    expect_hosts_and_paths(cases);
}

TEST(Urls, PathChildStemAndExtension) {
    struct Case {
        std::string text;
        Text path;
        Text child;
        Text stem;
        Text extension;
    };
    const std::optional<std::string> none = std::nullopt;
    const std::vector<Case> cases = {
        {"http://example.com/images/map.png", "images/map.png", "map.png", "map", "png"},
        {"example.com/images/map.png?size=2#top", "images/map.png", "map.png", "map", "png"},
        {"example.com/archive.tar.gz", "archive.tar.gz", "archive.tar.gz", "archive.tar", "gz"},
        {"example.com/readme", "readme", "readme", "readme", none},
        {"example.com", none, none, none, none},
        {"http://example.com/", none, none, none, none},
        {"example.com//", none, none, none, none},
        // A directory address keeps one "/" on its last segment.
        {"example.com/docs/v1.2/", "docs/v1.2/", "v1.2/", "v1", "2/"},
        {"example.com/docs//", "docs//", "docs/", "docs/", none},
        // The path comes percent-encoded; dot segments are resolved.
        {"example.com/my map.png", "my%20map.png", "my%20map.png", "my%20map", "png"},
        {"example.com/\u00e9t\u00e9.jpg", "%C3%A9t%C3%A9.jpg", "%C3%A9t%C3%A9.jpg", "%C3%A9t%C3%A9",
         "jpg"},
        {"example.com/a/../b/./c.txt", "b/c.txt", "c.txt", "c", "txt"},
        {"example.com\\dir\\pic.gif", "dir/pic.gif", "pic.gif", "pic", "gif"},
        // Controls inside a path are encoded, never a reason to refuse the address.
        {"example.com/a\x01"
         "b.png?q\x02",
         "a%01b.png", "a%01b.png", "a%01b", "png"},
        {"example.com/del\x7f.x", "del%7F.x", "del%7F.x", "del%7F", "x"},
        {std::string("example.com/nul\0.y", 18), "nul%00.y", "nul%00.y", "nul%00", "y"},
        {"exa\x01mple.com/a.png", none, none, none, none},
        {"", none, none, none, none},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(url_path(c.text), c.path) << c.text;
        EXPECT_EQ(url_path_child(c.text), c.child) << c.text;
        EXPECT_EQ(url_child_stem(c.text), c.stem) << c.text;
        EXPECT_EQ(url_extension(c.text), c.extension) << c.text;
    }
}

TEST(Urls, AddSeparator) {
    EXPECT_EQ(add_separator("docs", true), "docs/");
    EXPECT_EQ(add_separator("docs", false), "docs");
    EXPECT_EQ(add_separator("", true), "/");
}

TEST(Urls, DecodeOrOriginal) {
    struct Case {
        std::string text;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"%C3%A9", "\u00e9"},
        {"%c3%a9t%C3%A9", "\u00e9t\u00e9"},
        {"a+b", "a+b"},
        {"my%20map.png", "my map.png"},
        {"%FF", "%FF"},  // not UTF-8: the text back
        {"ok%20%FF", "ok%20%FF"},
        {"100%", "100%"},  // no digits after: stays
        {"%4", "%4"},
        {"%zz%41", "%zzA"},
        {"%2525", "%25"},  // decoded once
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decode_url_or_orginal(c.text), c.expected) << c.text;
    }
}

TEST(Urls, EscapeAndAppendEncodesExactlyTheListedCharacters) {
    const std::string encoded = " \"#%&+,/:;<=>?@[\\]^`{|}";
    std::string out = "kerfa:";
    escape_and_append_url(out, encoded);
    EXPECT_EQ(out, "kerfa:%20%22%23%25%26%2B%2C%2F%3A%3B%3C%3D%3E%3F%40%5B%5C%5D%5E%60%7B%7C%7D");

    // Every other ASCII character, controls included, passes unchanged, as does non-ASCII.
    std::string others;
    for (int c = 0; c < 0x80; ++c) {
        if (encoded.find(static_cast<char>(c)) == std::string::npos) {
            others.push_back(static_cast<char>(c));
        }
    }
    ASSERT_EQ(others.size(), 128u - 23u);
    std::string passed;
    escape_and_append_url(passed, others);
    EXPECT_EQ(passed, others);

    std::string text;
    escape_and_append_url(text, "\u00e9t\u00e9 2024");
    EXPECT_EQ(text, "\u00e9t\u00e9%202024");
}

}  // namespace
