#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <iostream>

#include "ClientObjects.h"
#include "platform/SysUtils.h"

namespace znp::clientobjects {

namespace {

bool OnDesktop() {
    const char* display = getenv("DISPLAY");
    const char* wayland = getenv("WAYLAND_DISPLAY");
    return (display && *display) || (wayland && *wayland);
}

// The desktop's opener, or "" when the PATH has none.
std::string FindOpener() {
    const char* path = getenv("PATH");
    if (!path) return "";
    std::string folders = path;
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t end = folders.find(':', start);
        const std::string folder = folders.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!folder.empty()) {
            const std::string candidate = folder + "/xdg-open";
            if (access(candidate.c_str(), X_OK) == 0) return candidate;
        }
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return "";
}

// Starts the opener without a shell (the address is one argument, never interpreted) and does
// not wait for it: some openers stay until the browser ends. The intermediate child is reaped at
// once, so nothing is left behind as a zombie.
void StartOpener(const std::string& opener, const std::string& address) {
    std::string arg0 = opener, arg1 = address;
    char* argv[] = {arg0.data(), arg1.data(), nullptr};
    const pid_t child = fork();
    if (child == 0) {
        if (fork() == 0) {
            execv(argv[0], argv);
            _exit(127);
        }
        _exit(0);
    }
    if (child > 0) {
        int status = 0;
        waitpid(child, &status, 0);
    }
}

}  // namespace

Browser::Browser() {
    Property("Visible", [this] { return Variant(visible_); }, [this](const Variant& v) { visible_ = v.AsBoolean(); });
    Property("left", [this] { return Variant(left_); }, [this](const Variant& v) { left_ = v.AsInteger(); });
    Property("top", [this] { return Variant(top_); }, [this](const Variant& v) { top_ = v.AsInteger(); });
    Property("height", [this] { return Variant(height_); }, [this](const Variant& v) { height_ = v.AsInteger(); });
    Property("width", [this] { return Variant(width_); }, [this](const Variant& v) { width_ = v.AsInteger(); });
    Property("menubar", [this] { return Variant(menubar_); }, [this](const Variant& v) { menubar_ = v.AsInteger(); });
    Property("toolbar", [this] { return Variant(toolbar_); }, [this](const Variant& v) { toolbar_ = v.AsInteger(); });
    Property("addressbar", [this] { return Variant(addressbar_); },
             [this](const Variant& v) { addressbar_ = v.AsBoolean(); });
    Property("LocationURL", [this] { return Variant(location_); });
    Method("Navigate", 1, 5, [this](std::vector<Variant>& args) -> Variant {
        const std::string address = VarToStr(args[0]);
        if (Trim(address).empty()) throw EOleError("Navigate: no address");
        location_ = address;
        std::cout << "[browser] " << address << std::endl;
        if (visible_ && OnDesktop()) {
            const std::string opener = FindOpener();
            if (!opener.empty()) StartOpener(opener, address);
        }
        return Variant();
    });
}

}  // namespace znp::clientobjects
