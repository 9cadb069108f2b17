#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <exception>
#include <filesystem>
#include <functional>
#include <string>

namespace dakru::history::test {

// Runs `check` in a child process as a user whom file modes bind: the suite
// may run as root, who reads and writes whatever the modes say. The folder is
// given to that user first. What `check` returns (empty when all is well)
// comes back to the test.
inline std::string asPlainUser(const std::filesystem::path& folder, const std::function<std::string()>& check)
{
    constexpr uid_t kNobody = 65534;
    int channel[2];
    if (pipe(channel) != 0) {
        return "no pipe";
    }
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::string said;
        if (geteuid() == 0) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
                if (lchown(entry.path().c_str(), kNobody, kNobody) != 0) {
                    said = "cannot give " + entry.path().string() + " away";
                }
            }
            if (chown(folder.c_str(), kNobody, kNobody) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
                said = "cannot become another user";
            }
        }
        if (said.empty()) {
            try {
                said = check();
            } catch (const std::exception& error) {
                said = std::string("thrown: ") + error.what();
            }
        }
        const bool written = write(channel[1], said.data(), said.size()) == static_cast<ssize_t>(said.size());
        _exit(written ? 0 : 1);
    }
    close(channel[1]);
    std::string said;
    char buffer[512];
    for (ssize_t n = 0; (n = read(channel[0], buffer, sizeof buffer)) > 0;) {
        said.append(buffer, static_cast<std::size_t>(n));
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? said : "the check crashed";
}

}  // namespace dakru::history::test
