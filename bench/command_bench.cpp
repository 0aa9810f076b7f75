// What a command of the command line costs as a whole process, against `zandrel --version`,
// which only starts the program and prints: each command runs in a child, in turn with the
// others, and the medians of its wall and processor time are printed with what it adds to the
// start. Usage: command_bench [runs] (default 50). The program is the one built beside it.

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sample {
    double wallMs = 0;
    double cpuMs = 0;
};

double Milliseconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

// Runs the program with `arguments` in `directory`, its output thrown away.
Sample RunOnce(const std::vector<std::string>& arguments, const char* directory) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(ZANDREL_PROGRAM));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    timespec start{};
    timespec end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        if (chdir(directory) != 0) {
            _exit(127);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    clock_gettime(CLOCK_MONOTONIC, &end);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", arguments.front().c_str());
        std::exit(1);
    }
    Sample sample;
    sample.wallMs = static_cast<double>(end.tv_sec - start.tv_sec) * 1e3 +
                    static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e6;
    sample.cpuMs = Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
    return sample;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    char directory[] = "/tmp/command_bench.XXXXXX";
    if (mkdtemp(directory) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::vector<std::vector<std::string>> commands = {
        {"--version"},
        {"cast", "--date", "2001-03-15", "--period", "5", "--question", "abc"},
        {"cast", "--date", "2024-02-10", "--time", "12:00", "--traditional", "--json"},
        {"cast", "--date", "2024-02-10", "--time", "12:00", "--traditional", "--log"},
        {"lunar", "2024-02-10", "12:00", "--json"},
        {"text", "64"},
    };
    std::vector<std::vector<Sample>> samples(commands.size());
    for (const auto& command : commands) {
        RunOnce(command, directory); // warm the caches
    }
    for (int i = 0; i < runs; ++i) {
        for (std::size_t c = 0; c < commands.size(); ++c) {
            samples[c].push_back(RunOnce(commands[c], directory));
        }
    }
    std::printf("%d runs of each, in turn; medians in milliseconds\n", runs);
    std::printf("%-70s %8s %8s %10s\n", "command", "wall", "cpu", "wall - v");
    double versionWall = 0;
    for (std::size_t c = 0; c < commands.size(); ++c) {
        std::vector<double> wall;
        std::vector<double> cpu;
        for (const Sample& s : samples[c]) {
            wall.push_back(s.wallMs);
            cpu.push_back(s.cpuMs);
        }
        std::string name = "zandrel";
        for (const std::string& argument : commands[c]) {
            name += " " + argument;
        }
        const double medianWall = Median(wall);
        if (c == 0) {
            versionWall = medianWall;
        }
        std::printf("%-70s %8.2f %8.2f %+10.2f\n", name.c_str(), medianWall, Median(cpu),
                    medianWall - versionWall);
    }
    const std::string cleanup = std::string("rm -rf ") + directory;
    return std::system(cleanup.c_str()) == 0 ? 0 : 1;
}
