// The ANSI cuts (CutAnsi, ReadWindowText, ReadClassName) over any bytes, any limit and any
// double-byte lead table (code page 932's or a random one): the cut is a prefix, within the
// limit, never ends inside a double-byte character, and keeps every whole character that fits;
// the reads ask the system for enough bytes that the cut is the same as on the whole title.
#include <array>

#include "discovery/window_text.h"
#include "fakes/fake_desktop.h"
#include "fuzz_support.h"

namespace sorelka {
namespace {

class CutDesktop : public testing::FakeDesktop {
 public:
  std::array<bool, 256> lead{};
  std::vector<std::string> converted;  // every FromAnsi input, in order

  bool IsLeadByte(unsigned char b) override { return lead[b]; }
  Text FromAnsi(std::string_view bytes) override {
    converted.emplace_back(bytes);
    return Text(bytes.begin(), bytes.end());  // any stand-in will do; only the bytes matter
  }
};

// Character boundaries walked from the start: the longest run of whole characters that fits in
// `limit`. A lead byte with nothing after it is half a character and is left out.
std::size_t ReferenceCut(const std::array<bool, 256>& lead, const std::string& bytes,
                         std::size_t limit) {
  std::size_t end = 0;
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t next = at + (lead[static_cast<unsigned char>(bytes[at])] ? 2 : 1);
    if (next > bytes.size() || next > limit) break;
    end = at = next;
  }
  return end;
}

// The cut's own checks, with no reference: prefix, limit, whole characters, nothing left out.
void CheckCut(const std::array<bool, 256>& lead, const std::string& bytes, std::size_t limit,
              const std::string& cut) {
  FUZZ_CHECK(cut.size() <= limit);
  FUZZ_CHECK(bytes.compare(0, cut.size(), cut) == 0);
  std::size_t at = 0;
  while (at < cut.size()) at += lead[static_cast<unsigned char>(cut[at])] ? 2 : 1;
  FUZZ_CHECK(at == cut.size());  // the last character is whole
  if (cut.size() < bytes.size()) {
    const std::size_t next = cut.size() + (lead[static_cast<unsigned char>(bytes[cut.size()])] ? 2 : 1);
    FUZZ_CHECK(next > limit || next > bytes.size());  // the next one does not fit or is half
  }
}

std::string Bytes(FuzzedDataProvider& in, std::size_t max) {
  // Lead bytes of code page 932 and ASCII, mostly; any byte now and then.
  static const unsigned char kCommon[] = {0x41, 0x20, 0x82, 0x83, 0x88, 0x94, 0x9F, 0xE0,
                                          0xFC, 0xA0, 0xB1, 0xDF, 0x40, 0x7F, 0x80, 0xFD};
  std::string out(in.ConsumeIntegralInRange<std::size_t>(0, max), '\0');
  for (char& c : out) {
    const std::uint8_t pick = in.ConsumeIntegral<std::uint8_t>();
    c = static_cast<char>(pick < 128 ? kCommon[pick % sizeof kCommon] : in.ConsumeIntegral<std::uint8_t>());
  }
  return out;
}

}  // namespace
}  // namespace sorelka

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sorelka;
  FuzzedDataProvider in(data, size);
  CutDesktop desktop;
  switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0:  // code page 932
      for (int b = 0; b < 256; ++b) desktop.lead[b] = testing::IsCp932LeadByte(static_cast<unsigned char>(b));
      break;
    case 1:  // every byte leads
      desktop.lead.fill(true);
      break;
    default:  // any table
      for (bool& l : desktop.lead) l = in.ConsumeBool();
  }

  const std::size_t limit = in.ConsumeIntegralInRange<std::size_t>(0, 260);
  const std::string className = Bytes(in, 300);
  const std::string title = Bytes(in, 300);

  const Ansi cut = CutAnsi(desktop, title, limit);
  CheckCut(desktop.lead, title, limit, cut);
  FUZZ_CHECK(cut.size() == ReferenceCut(desktop.lead, title, limit));

  // The reads: the window's whole title and class name are in the fake; the system call returns
  // what fits in the buffer asked for, possibly half a character at its end.
  const Hwnd window = desktop.Add(0, className, title);
  const Text readTitle = ReadWindowText(desktop, window, limit);
  const Text readClass = ReadClassName(desktop, window, limit);
  FUZZ_CHECK(desktop.converted.size() == 2);
  const std::string& titleBytes = desktop.converted[0];
  const std::string& classBytes = desktop.converted[1];
  CheckCut(desktop.lead, title, limit, titleBytes);
  CheckCut(desktop.lead, className, limit, classBytes);
  FUZZ_CHECK(titleBytes.size() == ReferenceCut(desktop.lead, title, limit));
  FUZZ_CHECK(classBytes.size() == ReferenceCut(desktop.lead, className, limit));
  FUZZ_CHECK(readTitle == Text(titleBytes.begin(), titleBytes.end()));
  FUZZ_CHECK(readClass == Text(classBytes.begin(), classBytes.end()));
  return 0;
}
