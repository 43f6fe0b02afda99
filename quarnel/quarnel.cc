// quarnel FILE -debug: the project's stand-in for the real tool.
//
// Writes a header line that names FILE and its size, then a dump of its
// bytes, sixteen to a line: the offset, the bytes in hex, the same bytes as
// text. Exits 0 when all of it was written, 1 when FILE could not be read or
// the output could not be written, 2 on wrong arguments. Its messages go to
// standard error, so that they never land in a redirected output file.

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kBytesPerLine = 16;

void Complain(const char* what, const char* name, int error) {
  std::fprintf(stderr, "quarnel: %s %s: %s\n", what, name,
               std::strerror(error));
}

// Reads all of |name| into |*bytes|; returns 0 or the errno value.
int ReadFile(const char* name, std::vector<unsigned char>* bytes) {
  std::FILE* file = std::fopen(name, "rb");
  if (!file)
    return errno;
  unsigned char buffer[65536];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
    bytes->insert(bytes->end(), buffer, buffer + count);
  int error = std::ferror(file) ? (errno ? errno : EIO) : 0;
  std::fclose(file);
  return error;
}

// One line of the dump: offset, hex, text.
void FormatLine(const unsigned char* bytes, std::size_t count,
                std::size_t offset, std::string* out) {
  static const char kHex[] = "0123456789abcdef";
  const std::uint64_t at = offset;
  int digits = 8;
  while (digits < 16 && (at >> (4 * digits)) != 0)
    ++digits;
  while (digits-- > 0)
    *out += kHex[(at >> (4 * digits)) & 0xf];
  *out += ' ';
  for (std::size_t i = 0; i < kBytesPerLine; ++i) {
    if (i == kBytesPerLine / 2)
      *out += ' ';
    *out += ' ';
    if (i < count) {
      *out += kHex[bytes[i] >> 4];
      *out += kHex[bytes[i] & 0xf];
    } else {
      *out += "  ";
    }
  }
  *out += "  |";
  for (std::size_t i = 0; i < count; ++i)
    *out += (bytes[i] >= 0x20 && bytes[i] < 0x7f) ? char(bytes[i]) : '.';
  *out += "|\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::strcmp(argv[2], "-debug") != 0) {
    std::fputs("usage: quarnel FILE -debug\n", stderr);
    return 2;
  }
  const char* name = argv[1];
  std::vector<unsigned char> bytes;
  if (int error = ReadFile(name, &bytes)) {
    Complain("cannot read", name, error);
    return 1;
  }

  std::string out = "quarnel: " + std::string(name) + ", " +
                    std::to_string(bytes.size()) + " bytes\n";
  for (std::size_t offset = 0; offset < bytes.size(); offset += kBytesPerLine) {
    std::size_t count = bytes.size() - offset;
    if (count > kBytesPerLine)
      count = kBytesPerLine;
    FormatLine(bytes.data() + offset, count, offset, &out);
  }
  // A full disk shows up at the write or at the final flush; either way the
  // run has to fail, or a truncated output file would pass for a whole one.
  errno = 0;
  std::fwrite(out.data(), 1, out.size(), stdout);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    Complain("cannot write", "standard output", errno ? errno : EIO);
    return 1;
  }
  return 0;
}
