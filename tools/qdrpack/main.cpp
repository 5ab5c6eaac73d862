// qdrpack rep|saints SOURCE OUTPUT
//
// Turns a plain UTF-8 day-name source into the stored list file. Every line
// is checked first; on the first line that does not fit, nothing is written.
// An existing OUTPUT is kept under the same base name with the extension
// ".bak" (rep.qdr -> rep.bak).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "daynames/ListSource.h"

namespace {

namespace fs = std::filesystem;

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "qdrpack: %s\n", message.c_str());
    return status;
}

bool ReadAll(const fs::path& path, std::string& out) {
    std::error_code error;
    if (fs::is_directory(path, error))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4)
        return Fail(2, "usage: qdrpack rep|saints SOURCE OUTPUT");
    const std::string kindName = argv[1];
    ListKind kind;
    if (kindName == "rep")
        kind = ListKind::Rep;
    else if (kindName == "saints")
        kind = ListKind::Saints;
    else
        return Fail(2, "unknown list kind '" + kindName + "' (rep or saints)");
    const fs::path source = argv[2];
    const fs::path output = argv[3];

    std::string text;
    if (!ReadAll(source, text))
        return Fail(1, "cannot read " + source.string());
    const CPackResult packed = PackListSource(kind, text);
    if (!packed.bOk)
        return Fail(1,
                    source.string() + ":" + std::to_string(packed.nLine) + ": " + packed.strError);

    // Write beside the target first, so that a failed write leaves the old
    // file (and its backup) untouched.
    fs::path temporary = output;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(packed.strStored.data(), static_cast<std::streamsize>(packed.strStored.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return Fail(1, "cannot write " + output.string());
        }
    }
    std::error_code error;
    if (fs::exists(output, error)) {
        fs::path backup = output;
        backup.replace_extension(".bak");
        fs::rename(output, backup, error);
        if (error) {
            fs::remove(temporary, error);
            return Fail(1, "cannot keep " + output.string() + " as " + backup.string());
        }
    }
    fs::rename(temporary, output, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return Fail(1, "cannot write " + output.string());
    }
    return 0;
}
