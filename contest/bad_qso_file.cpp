#include "contest/bad_qso_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "contest/c_file.h"
#include "contest/file_output.h"
#include "contest/lock_rule.h"
#include "contest/text_util.h"

namespace {

std::string Line(const QsoArgs& q, const std::string& modePart, const char* message) {
    const std::initializer_list<const std::string*> fields = {
        &q.ownCall, &q.rstSent, &q.exchSent, &q.call, &q.rstReceived, &q.exchReceived};
    std::string line = "QSO:  " + std::to_string(q.freqHz / 1000);
    line += modePart;
    line += q.time.Format("%Y-%m-%d %H%M");
    // Sized once: with long texts a line grows to hundreds of kilobytes.
    size_t size = line.size() + std::strlen(message);
    for (const std::string* field : fields) size += 2 + field->size();
    line.reserve(size);
    for (const std::string* field : fields) {
        line += "  ";
        line += *field;
    }
    line += message;
    // A line break inside a text would split its report into two lines.
    return BlankLineBreaks(std::move(line));
}

// `head`, then the lines, each ended by CR LF: the one buffer a write hands
// over, sized once (a QSO's duplicate lines can add up to megabytes).
std::string TextOf(const std::vector<std::string>& lines, std::string head = std::string()) {
    size_t size = head.size();
    for (const std::string& line : lines) size += line.size() + 2;
    head.reserve(size);
    for (const std::string& line : lines) head.append(line).append("\r\n");
    return head;
}

}  // namespace

namespace BadQso {

std::string LineWithMode(const QsoArgs& qso, const char* message) {
    return Line(qso, "  " + qso.mode + "  ", message);
}

std::string LineWithRtty(const QsoArgs& qso, const char* message) {
    return Line(qso, " RY ", message);
}

bool Create(const std::string& fileName, const std::string& header) {
    return Rewrite(fileName, header, {});
}

bool Append(const std::string& fileName, const std::vector<std::string>& lines) {
    if (lines.empty()) return true;
    return AppendInOneWrite(fileName, TextOf(lines));
}

bool Rewrite(const std::string& fileName, const std::string& header,
             const std::vector<std::string>& lines) {
    // Not forced to the disk: every reset rebuilds the file from the log,
    // and a flush would cost about 4 ms a removal on an ordinary disk.
    return ReplaceInOneStep(fileName, TextOf(lines, header + "\r\n"), Flush::kNo);
}

// stat rather than std::filesystem: the DLL links its C++ runtime
// statically, and the filesystem library alone brings in half a megabyte.
bool Exists(const std::string& fileName) {
    LockRule::ExpectNoLock("BadQso::Exists");
    struct stat info;
    return !fileName.empty() && stat(fileName.c_str(), &info) == 0;
}

namespace {

// The worked call as a whole field of a line.
std::string CallField(const std::string& call) { return "  " + BlankLineBreaks(call) + "  "; }

bool LineReports(const std::string& line, const std::string& field, const std::string& marker) {
    return line.find(marker) != std::string::npos && line.find(field) != std::string::npos;
}

// The whole file; false when it cannot be read.
bool ReadText(const std::string& fileName, std::string& content) {
    content.clear();
    CFile file = OpenCFile(fileName, "rb");
    if (!file) return false;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        content.append(buffer, got);
    return true;
}

std::vector<std::string> SplitLines(const std::string& content) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        const size_t next = end == std::string::npos ? content.size() : end + 1;
        if (end == std::string::npos) end = content.size();
        if (end > start && content[end - 1] == '\r') --end;
        lines.push_back(content.substr(start, end - start));
        start = next;
    }
    return lines;
}

// Whether dropping the QSO's lines would write `content` back unchanged:
// the rewritten header on top, every line ended by CR LF, and no line that
// reports the QSO.  Most removals find nothing to drop in a file already
// rewritten once, and then cost a read instead of a read and a write.
bool RewriteKeeps(const std::string& content, const std::string& field, const std::string& marker) {
    const std::string header = std::string(kRewrittenHeader) + "\r\n";
    if (content.compare(0, header.size(), header) != 0 || content.back() != '\n') return false;
    for (size_t at = content.find('\n'); at != std::string::npos; at = content.find('\n', at + 1))
        if (content[at - 1] != '\r') return false;
    // Each line that holds the call as a field is searched for the minute,
    // within that line only (the content ends with a line end).
    const std::string_view text(content);
    size_t at = text.find(field, header.size());
    while (at != std::string_view::npos) {
        const size_t begin = text.rfind('\n', at) + 1, end = text.find('\n', at);
        if (text.substr(begin, end - begin).find(marker) != std::string_view::npos) return false;
        at = text.find(field, end);
    }
    return true;
}

}  // namespace

void DropReports(const std::string& fileName, const std::string& call, const std::string& marker) {
    std::string content;
    // A file that is there but cannot be read (another program holds it)
    // keeps its lines: a rewrite would leave the header alone.
    if (!ReadText(fileName, content) && Exists(fileName)) return;
    const std::string field = CallField(call);
    if (RewriteKeeps(content, field, marker)) return;
    std::vector<std::string> lines = SplitLines(content);
    if (!lines.empty()) lines.erase(lines.begin());  // the header
    lines.erase(
        std::remove_if(lines.begin(), lines.end(),
                       [&](const std::string& line) { return LineReports(line, field, marker); }),
        lines.end());
    Rewrite(fileName, kRewrittenHeader, lines);
}

int CountLines(const std::string& fileName) {
    CFile file = OpenCFile(fileName, "rb");
    if (!file) return 0;
    int count = 0;
    char last = '\n';
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        for (const char* p = buffer;
             (p = static_cast<const char*>(std::memchr(p, '\n', buffer + got - p))) != nullptr;
             ++p) {
            ++count;
        }
        last = buffer[got - 1];
    }
    return last == '\n' ? count : count + 1;
}

}  // namespace BadQso
