#include "support/browser.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <sstream>

extern char** environ;

namespace html_test {

namespace fs = std::filesystem;

std::optional<std::string> find_chromium() {
    const char* path = std::getenv("PATH");
    if (path == nullptr) {
        return std::nullopt;
    }
    for (std::string_view name : {"chromium", "chromium-browser"}) {
        std::stringstream folders(path);
        std::string folder;
        while (std::getline(folders, folder, ':')) {
            const fs::path candidate = fs::path(folder.empty() ? "." : folder) / name;
            if (::access(candidate.c_str(), X_OK) == 0) {
                return candidate.string();
            }
        }
    }
    return std::nullopt;
}

namespace {

std::string file_url(const fs::path& page) {
    std::string url = "file://";
    for (unsigned char c : fs::absolute(page).string()) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '/' || c == '.' || c == '_' || c == '-' || c == '~') {
            url.push_back(static_cast<char>(c));
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            url.push_back('%');
            url.push_back(kHex[c >> 4]);
            url.push_back(kHex[c & 15]);
        }
    }
    return url;
}

// Reads the child's output until it closes it, for at most the deadline; false on time-out.
bool read_all(int fd, std::string& out, std::chrono::steady_clock::time_point deadline) {
    std::array<char, 65536> buffer{};
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd waiting{fd, POLLIN, 0};
        if (::poll(&waiting, 1, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n == 0) {
            return true;
        }
        if (n > 0) {
            out.append(buffer.data(), static_cast<std::size_t>(n));
        }
    }
}

}  // namespace

std::optional<std::string> dump_dom(const std::string& chromium, const fs::path& page) {
    std::string profile_template = (fs::temp_directory_path() / "kerfa-html-chromium-XXXXXX");
    if (::mkdtemp(profile_template.data()) == nullptr) {
        return std::nullopt;
    }
    const fs::path profile = profile_template;
    const std::vector<std::string> arguments = {
        chromium,
        "--headless",
        "--no-sandbox",
        "--disable-gpu",
        "--disable-quic",
        "--no-first-run",
        "--disable-background-networking",
        "--disable-component-update",
        "--disable-sync",
        "--user-data-dir=" + profile.string(),
        "--dump-dom",
        file_url(page),
    };
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    std::array<int, 2> pipe_fds{};
    if (::pipe(pipe_fds.data()) != 0) {
        fs::remove_all(profile);
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // Its own process group, so that a hung browser goes down with all its helpers.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t child = 0;
    const int spawned =
        ::posix_spawn(&child, chromium.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(pipe_fds[1]);
    if (spawned != 0) {
        ::close(pipe_fds[0]);
        fs::remove_all(profile);
        return std::nullopt;
    }
    std::string dom;
    const bool finished =
        read_all(pipe_fds[0], dom, std::chrono::steady_clock::now() + std::chrono::seconds(60));
    ::close(pipe_fds[0]);
    if (!finished) {
        ::kill(-child, SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    std::error_code ignored;
    fs::remove_all(profile, ignored);
    if (!finished || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return dom;
}

const std::string* DomElement::attribute(std::string_view wanted) const {
    for (const auto& [key, value] : attributes) {
        if (key == wanted) {
            return &value;
        }
    }
    return nullptr;
}

bool DomElement::has_class(std::string_view wanted) const {
    const std::string* classes = attribute("class");
    if (classes == nullptr) {
        return false;
    }
    std::stringstream words(*classes);
    std::string word;
    while (words >> word) {
        if (word == wanted) {
            return true;
        }
    }
    return false;
}

namespace {

std::string decode_entities(std::string_view text) {
    static const std::vector<std::pair<std::string_view, std::string_view>> kEntities = {
        {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&nbsp;", "\u00a0"},
    };
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& [entity, character] : kEntities) {
                if (text.substr(i).starts_with(entity)) {
                    out += character;
                    i += entity.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) {
            out.push_back(text[i++]);
        }
    }
    return out;
}

bool is_void(std::string_view name) {
    for (std::string_view v : {"area", "base", "br", "col", "embed", "hr", "img", "input", "link",
                               "meta", "source", "track", "wbr"}) {
        if (name == v) {
            return true;
        }
    }
    return false;
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

}  // namespace

Dom Dom::parse(std::string_view html) {
    Dom dom;
    dom.elements_.push_back(DomElement{"#root", {}, 0, {}, {}});
    std::vector<std::size_t> open = {0};
    std::size_t i = 0;
    const auto append_text = [&](std::string_view text) {
        dom.elements_[open.back()].own_text += decode_entities(text);
    };
    while (i < html.size()) {
        const std::size_t tag = html.find('<', i);
        append_text(html.substr(i, tag == std::string_view::npos ? html.npos : tag - i));
        if (tag == std::string_view::npos) {
            break;
        }
        i = tag;
        if (html.substr(i).starts_with("<!--")) {
            const std::size_t end = html.find("-->", i);
            i = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        if (html.substr(i).starts_with("<!")) {
            const std::size_t end = html.find('>', i);
            i = end == std::string_view::npos ? html.size() : end + 1;
            continue;
        }
        if (html.substr(i).starts_with("</")) {
            const std::size_t end = html.find('>', i);
            const std::string name = lower(html.substr(i + 2, end - i - 2));
            // Close up to the matching element; a stray end tag closes nothing.
            for (std::size_t k = open.size(); k-- > 1;) {
                if (dom.elements_[open[k]].name == name) {
                    open.resize(k);
                    break;
                }
            }
            i = end == std::string_view::npos ? html.size() : end + 1;
            continue;
        }
        // A start tag: its name, then attributes until ">".
        std::size_t j = i + 1;
        while (j < html.size() && !is_space(html[j]) && html[j] != '>' && html[j] != '/') {
            ++j;
        }
        DomElement element{lower(html.substr(i + 1, j - i - 1)), {}, open.back(), {}, {}};
        while (j < html.size() && html[j] != '>') {
            if (is_space(html[j]) || html[j] == '/') {
                ++j;
                continue;
            }
            std::size_t k = j;
            while (k < html.size() && !is_space(html[k]) && html[k] != '=' && html[k] != '>') {
                ++k;
            }
            std::string key = lower(html.substr(j, k - j));
            std::string value;
            if (k < html.size() && html[k] == '=' && k + 1 < html.size() && html[k + 1] == '"') {
                const std::size_t close = html.find('"', k + 2);
                value = decode_entities(html.substr(k + 2, close - k - 2));
                k = close + 1;
            }
            element.attributes.emplace_back(std::move(key), std::move(value));
            j = k;
        }
        i = j + 1;
        const std::size_t index = dom.elements_.size();
        dom.elements_[open.back()].children.push_back(index);
        const std::string name = element.name;
        dom.elements_.push_back(std::move(element));
        if (name == "style" || name == "script") {
            const std::string closing = "</" + name;
            const std::size_t end = html.find(closing, i);
            dom.elements_[index].own_text = std::string(html.substr(i, end - i));
            i = end == std::string_view::npos ? html.size() : html.find('>', end) + 1;
        } else if (!is_void(name)) {
            open.push_back(index);
        }
    }
    return dom;
}

std::vector<const DomElement*> Dom::select(std::string_view name,
                                           std::string_view css_class) const {
    std::vector<const DomElement*> found;
    for (const DomElement& element : elements_) {
        if (element.name == name && (css_class.empty() || element.has_class(css_class))) {
            found.push_back(&element);
        }
    }
    return found;
}

std::string Dom::text_of(const DomElement& element) const {
    // Children's texts follow the element's own text; enough for the short texts asserted on.
    std::string text;
    std::vector<const DomElement*> pending = {&element};
    while (!pending.empty()) {
        const DomElement* next = pending.back();
        pending.pop_back();
        text += next->own_text;
        for (auto child = next->children.rbegin(); child != next->children.rend(); ++child) {
            pending.push_back(&elements_[*child]);
        }
    }
    return text;
}

bool Dom::contains(const DomElement& outer, const DomElement& inner) const {
    const DomElement* at = &inner;
    while (at != &elements_[0]) {
        at = &elements_[at->parent];
        if (at == &outer) {
            return true;
        }
    }
    return false;
}

}  // namespace html_test
