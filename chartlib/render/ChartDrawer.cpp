#include "chartlib/render/ChartDrawer.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <nlohmann/json.hpp>
#include <string_view>
#include <thread>

#include "chartlib/output/Base64.h"
#include "chartlib/render/OutputFile.h"

extern char** environ;

namespace {

// Node and the script may be set from outside (another node build, an
// installed copy of the script).
std::string Setting(const char* variable, const char* fallback) {
  const char* value = std::getenv(variable);
  return value && *value ? value : fallback;
}

bool IsSet(const char* variable) { return !Setting(variable, "").empty(); }

// node starts from the startup snapshot that the build made of the script,
// which saves loading and compiling Vega and Vega-Lite in every run. The
// snapshot fits only the node that made it: a node or a script set from
// outside runs the script itself.
// The build's node flags (separated by spaces) go before the script or
// snapshot; the snapshot was taken with them.
std::vector<std::string> NodeCommand() {
  std::vector<std::string> command{Setting("GGRAPH_NODE", GGRAPH_DRAWING_NODE)};
  std::string_view flags = GGRAPH_DRAWING_NODE_FLAGS;
  for (std::size_t at = 0; at < flags.size();) {
    std::size_t end = std::min(flags.find(' ', at), flags.size());
    if (end > at) command.emplace_back(flags.substr(at, end - at));
    at = end + 1;
  }
  std::filesystem::path snapshot = GGRAPH_DRAWING_SNAPSHOT;
  std::error_code error;
  if (!IsSet("GGRAPH_NODE") && !IsSet("GGRAPH_DRAWING_SCRIPT") && !snapshot.empty() &&
      std::filesystem::exists(snapshot, error)) {
    command.insert(command.end(), {"--snapshot-blob", snapshot.string()});
    return command;
  }
  command.push_back(Setting("GGRAPH_DRAWING_SCRIPT", GGRAPH_DRAWING_SCRIPT));
  return command;
}

// The drawing reads and writes only its pipes: extra TLS certificates,
// which node would load at every start (tens of milliseconds for a system
// bundle), are left out of its environment.
std::vector<char*> DrawingEnvironment() {
  constexpr std::string_view kCertificates = "NODE_EXTRA_CA_CERTS=";
  std::vector<char*> variables;
  for (char** variable = environ; *variable; ++variable)
    if (std::string_view(*variable).substr(0, kCertificates.size()) != kCertificates) variables.push_back(*variable);
  variables.push_back(nullptr);
  return variables;
}

struct PendingChart {
  std::filesystem::path svg;
  std::filesystem::path png;
  std::string name;
};

}  // namespace

struct ChartDrawer::Record {
  pid_t node = -1;
  int toNode = -1;    // a socket: a write after node died fails instead of raising SIGPIPE
  int fromNode = -1;  // node's standard output
  std::thread reader;
  mutable std::mutex mutex;
  std::map<int, PendingChart> pending;
  std::vector<std::string> problems;
  int filesWritten = 0;
  int nextId = 1;
  bool finished = false;

  void Start();
  bool Send(const std::string& line);
  void ReadAnswers();
  void Answer(const std::string& line);
  void WriteFile(const std::filesystem::path& path, const std::string& bytes);
  void Problem(std::string text) {
    std::lock_guard lock(mutex);
    problems.push_back(std::move(text));
  }
};

void ChartDrawer::Record::Start() {
  std::vector<std::string> command = NodeCommand();
  const std::string& nodeProgram = command.front();
  int input[2], output[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, input) != 0 || pipe2(output, O_CLOEXEC) != 0) {
    problems.push_back(std::string("cannot start the drawing: ") + std::strerror(errno));
    return;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, input[1], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  std::vector<char*> argv;
  for (std::string& word : command) argv.push_back(word.data());
  argv.push_back(nullptr);
  std::vector<char*> environment = DrawingEnvironment();
  int failed = posix_spawnp(&node, nodeProgram.c_str(), &actions, nullptr, argv.data(), environment.data());
  posix_spawn_file_actions_destroy(&actions);
  close(input[1]);
  close(output[1]);
  toNode = input[0];
  fromNode = output[0];
  if (failed != 0) {
    node = -1;
    problems.push_back("cannot start " + nodeProgram + " for the drawing: " + std::strerror(failed));
    return;
  }
  reader = std::thread([this] { ReadAnswers(); });
}

bool ChartDrawer::Record::Send(const std::string& line) {
  const char* at = line.data();
  std::size_t left = line.size();
  while (left > 0) {
    ssize_t sent = send(toNode, at, left, MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent <= 0) return false;
    at += sent;
    left -= static_cast<std::size_t>(sent);
  }
  return true;
}

void ChartDrawer::Record::ReadAnswers() {
  std::string buffer;
  char chunk[1 << 16];
  for (;;) {
    ssize_t got = read(fromNode, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    std::size_t scanned = buffer.size();
    buffer.append(chunk, static_cast<std::size_t>(got));
    std::size_t begin = 0;
    for (std::size_t end; (end = buffer.find('\n', scanned)) != std::string::npos; scanned = begin = end + 1)
      Answer(buffer.substr(begin, end - begin));
    buffer.erase(0, begin);
  }
  std::lock_guard lock(mutex);
  for (const auto& [id, chart] : pending) problems.push_back(chart.name + ": not drawn, the drawing process ended");
  pending.clear();
}

void ChartDrawer::Record::Answer(const std::string& line) {
  nlohmann::json answer = nlohmann::json::parse(line, nullptr, false);
  if (!answer.is_object() || !answer.contains("id") || !answer["id"].is_number_integer()) {
    Problem("the drawing process said: " + line.substr(0, 200));
    return;
  }
  PendingChart chart;
  {
    std::lock_guard lock(mutex);
    auto found = pending.find(answer["id"].get<int>());
    if (found == pending.end()) return;
    chart = std::move(found->second);
    pending.erase(found);
  }
  if (answer.contains("error")) {
    Problem(chart.name + ": not drawn: " + answer["error"].get<std::string>());
    return;
  }
  if (!chart.svg.empty()) WriteFile(chart.svg, answer.value("svg", ""));
  if (!chart.png.empty()) WriteFile(chart.png, DecodeBase64(answer.value("png", "")));
}

void ChartDrawer::Record::WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::string error;
  if (!WriteOutputFile(path, bytes, &error)) {
    Problem(error);
    return;
  }
  std::lock_guard lock(mutex);
  ++filesWritten;
}

ChartDrawer::ChartDrawer() : record_(std::make_unique<Record>()) { record_->Start(); }

ChartDrawer::~ChartDrawer() { Finish(); }

void ChartDrawer::Draw(const std::string& vegaLite, const std::filesystem::path& svg,
                       const std::filesystem::path& png, const std::string& name) {
  Record& r = *record_;
  if (r.node < 0 || r.finished) {
    r.Problem(name + ": not drawn, the drawing process is not running");
    return;
  }
  int id = r.nextId++;
  {
    std::lock_guard lock(r.mutex);
    r.pending[id] = PendingChart{svg, png, name};
  }
  std::string line = R"({"id":)" + std::to_string(id) + R"(,"svg":)" + (svg.empty() ? "false" : "true") +
                     R"(,"png":)" + (png.empty() ? "false" : "true") + R"(,"spec":)" + vegaLite + "}\n";
  if (r.Send(line)) return;
  std::lock_guard lock(r.mutex);
  // The reader may have reported it already, when node ended meanwhile.
  if (r.pending.erase(id) > 0) r.problems.push_back(name + ": not drawn, the drawing process has ended");
}

std::vector<std::string> ChartDrawer::Finish() {
  Record& r = *record_;
  if (!r.finished) {
    r.finished = true;
    if (r.toNode >= 0) close(r.toNode);
    if (r.reader.joinable()) r.reader.join();
    if (r.fromNode >= 0) close(r.fromNode);
    int status = 0;
    if (r.node > 0 && waitpid(r.node, &status, 0) == r.node && !(WIFEXITED(status) && WEXITSTATUS(status) == 0))
      r.problems.push_back("the drawing process failed (node exit status " +
                           std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status)) + ")");
  }
  std::lock_guard lock(r.mutex);
  return r.problems;
}

int ChartDrawer::FilesWritten() const {
  std::lock_guard lock(record_->mutex);
  return record_->filesWritten;
}
