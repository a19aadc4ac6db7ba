// The RTF and HTML writers fed arbitrary text and formatting: either a real
// report whose subject is the fuzz text, or a free sequence of sink calls.
// Each document is read back and must hold exactly the text put in, so any
// character that slipped through unescaped (a raw '<' or '{') shows up as a
// difference. Nothing is written to disk.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/request_parser.h"
#include "judge/calculation_driver.h"
#include "report/html_writer.h"
#include "report/null_sink.h"
#include "report/report_writer.h"
#include "report/rtf_writer.h"
#include "report/tee_sink.h"
#include "report/utf8.h"

namespace horavela {
namespace {

void Fail(const char* what, std::string_view document) {
  std::fprintf(stderr, "invariant broken: %s\n%.*s\n", what, static_cast<int>(document.size()),
               document.data());
  std::abort();
}

// The text the writers were given since the last Clear: as bytes, and as
// characters a reader should see, each call decoded by itself (a character
// split between two calls is two malformed ones).
class TextRecorder : public RichTextSink {
 public:
  void Clear() override {
    bytes.clear();
    characters.clear();
  }
  void SetAlignment(Alignment) override {}
  void SetBold(bool) override {}
  void SetColor(PaletteColor) override {}
  void SetFontSize(int) override {}
  void InsertText(std::string_view utf8) override;
  void InsertPicture(const Bitmap&) override {}
  std::string bytes;
  std::u32string characters;
};

// Malformed bytes read as U+FFFD; carriage returns and the other control
// characters are dropped, but for line breaks and tabs.
void TextRecorder::InsertText(std::string_view utf8) {
  bytes += utf8;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t c = NextCodePoint(utf8, pos);
    if (c >= 0x20 || c == U'\n' || c == U'\t') characters += c;
  }
}

// Hands everything on, but for pictures: the report's emblem is the same in
// every run and its encoding took most of the time, so a one-pixel picture
// stands in for it at its place in the documents.
class OnePixelPictures : public RichTextSink {
 public:
  explicit OnePixelPictures(RichTextSink& next) : next_(next) {}
  void Clear() override { next_.Clear(); }
  void SetAlignment(Alignment alignment) override { next_.SetAlignment(alignment); }
  void SetBold(bool bold) override { next_.SetBold(bold); }
  void SetColor(PaletteColor color) override { next_.SetColor(color); }
  void SetFontSize(int points) override { next_.SetFontSize(points); }
  void InsertText(std::string_view utf8) override { next_.InsertText(utf8); }
  void InsertPicture(const Bitmap&) override { next_.InsertPicture(Bitmap{1, 1, {0xFFFF8000}}); }

 private:
  RichTextSink& next_;
};

// A real evaluation, computed once; each input only changes its subject text.
const CalculationState& SampleState() {
  static const CalculationState state = [] {
    const cli::ParsedRequest request = cli::ParseRequest(R"({
      "subject": "Marriage", "name": "Asha", "sex": "Female",
      "election": {"year": 2024, "month": 6, "day": 21, "hour": 6, "minute": 0,
        "latitude": {"degrees": 51, "minutes": 30, "north": true},
        "longitude": {"degrees": 0, "minutes": 7, "east": false},
        "zone": {"hours": 0, "minutes": 0}, "dst": false},
      "birth": {"year": 1990, "month": 3, "day": 14, "hour": 8, "minute": 45,
        "latitude": {"degrees": 28, "minutes": 36, "north": true},
        "longitude": {"degrees": 77, "minutes": 12, "east": true},
        "zone": {"hours": -5, "minutes": -30}, "dst": false}})");
    if (!request.error.empty()) Fail("the sample request is refused", request.error);
    NullSink none;
    return RunEvaluation(request.input, none, SwissEphemeris());
  }();
  return state;
}

constexpr PaletteColor kColors[] = {PaletteColor::Black,  PaletteColor::DarkBlue,
                                    PaletteColor::Green,  PaletteColor::DarkRed,
                                    PaletteColor::Purple, PaletteColor::Blue};

Bitmap SmallPicture(FuzzedDataProvider& data) {
  Bitmap picture;
  picture.width = data.ConsumeIntegralInRange(0, 3);
  picture.height = data.ConsumeIntegralInRange(0, 3);
  for (int i = 0; i < picture.width * picture.height; ++i)
    picture.pixels.push_back(data.ConsumeIntegral<std::uint32_t>());
  return picture;
}

// Formatting and text in any order, as a composer might call them.
void FreeComposition(FuzzedDataProvider& data, RichTextSink& sink) {
  for (int call = 0; call < 32 && data.remaining_bytes() > 0; ++call) {
    switch (data.ConsumeIntegralInRange(0, 6)) {
      case 0:
        sink.InsertText(data.ConsumeRandomLengthString(64));
        break;
      case 1:
        sink.SetBold(data.ConsumeBool());
        break;
      case 2:
        sink.SetColor(data.PickValueInArray(kColors));
        break;
      case 3:
        sink.SetFontSize(data.ConsumeIntegralInRange(1, 144));
        break;
      case 4:
        sink.SetAlignment(data.ConsumeBool() ? Alignment::Center : Alignment::Left);
        break;
      case 5:
        sink.InsertPicture(SmallPicture(data));
        break;
      default:
        sink.Clear();
    }
  }
}

// Reads the body of the RTF document back: control words for formatting are
// skipped, \uN? and escapes become characters, picture groups are skipped.
std::u32string RtfText(const std::string& doc) {
  const std::string head = "\\viewkind4\\pard\\plain\\f0\\fs24 ";
  const std::string tail = "\r\n}\r\n";
  const std::size_t start = doc.find(head);
  if (!doc.starts_with("{\\rtf1") || start == std::string::npos || !doc.ends_with(tail))
    Fail("RTF document frame", doc);
  const std::string_view body(doc.data() + start + head.size(),
                              doc.size() - start - head.size() - tail.size());
  std::u32string text;
  char32_t highSurrogate = 0;
  for (std::size_t i = 0; i < body.size();) {
    const char c = body[i];
    if (static_cast<unsigned char>(c) >= 0x80) Fail("RTF byte beyond ASCII", doc);
    if (c == '}') Fail("RTF group closed that was never opened", doc);
    if (c == '{') {
      if (body.substr(i, 6) != "{\\pict") Fail("RTF group that is not a picture", doc);
      const std::size_t end = body.find('}', i);
      if (end == std::string_view::npos) Fail("RTF picture not closed", doc);
      i = end + 1;
      continue;
    }
    if (c == '\r' || c == '\n') {
      ++i;
      continue;
    }
    if (c != '\\') {
      text += static_cast<char32_t>(c);
      ++i;
      continue;
    }
    if (i + 1 == body.size()) Fail("RTF body ends in a backslash", doc);
    const char next = body[i + 1];
    if (next == '\\' || next == '{' || next == '}') {
      text += static_cast<char32_t>(next);
      i += 2;
      continue;
    }
    std::size_t end = i + 1;
    while (end < body.size() && body[end] >= 'a' && body[end] <= 'z') ++end;
    const std::string_view word = body.substr(i + 1, end - i - 1);
    if (word.empty()) Fail("RTF control symbol the writer never writes", doc);
    const std::size_t numberStart = end;
    if (end < body.size() && body[end] == '-') ++end;
    while (end < body.size() && body[end] >= '0' && body[end] <= '9') ++end;
    const std::string number(body.substr(numberStart, end - numberStart));
    if (end < body.size() && body[end] == ' ') ++end;
    if (word == "u") {
      if (end >= body.size() || body[end] != '?') Fail("\\u without its fallback", doc);
      ++end;
      const long value = std::strtol(number.c_str(), nullptr, 10);
      const char32_t unit = static_cast<char32_t>(value < 0 ? value + 65536 : value);
      if (unit >= 0xD800 && unit < 0xDC00) {
        highSurrogate = unit;
      } else if (unit >= 0xDC00 && unit < 0xE000) {
        if (highSurrogate == 0) Fail("RTF low surrogate alone", doc);
        text += 0x10000 + ((highSurrogate - 0xD800) << 10) + (unit - 0xDC00);
        highSurrogate = 0;
      } else {
        text += unit;
      }
    } else if (word == "par") {
      text += U'\n';
    } else if (word == "tab") {
      text += U'\t';
    }
    i = end;
  }
  return text;
}

// Reads the body of the HTML page back: tags skipped, each paragraph's end a
// line break, the four entities the writer uses decoded. Any other '&', or a
// '>' outside a tag, is text that was not escaped.
std::string HtmlText(const std::string& doc) {
  const std::string head = "<body>\n";
  const std::string tail = "</body>\n</html>\n";
  const std::size_t start = doc.find(head);
  if (!doc.starts_with("<!DOCTYPE html>") || start == std::string::npos || !doc.ends_with(tail))
    Fail("HTML page frame", doc);
  const std::string_view body(doc.data() + start + head.size(),
                              doc.size() - start - head.size() - tail.size());
  constexpr std::pair<std::string_view, char> kEntities[] = {
      {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&quot;", '"'}};
  std::string text;
  for (std::size_t i = 0; i < body.size();) {
    if (body[i] == '<') {
      const std::size_t end = body.find('>', i);
      if (end == std::string_view::npos) Fail("HTML tag not closed", doc);
      if (body.substr(i, end + 1 - i) == "</p>") text += '\n';
      i = end + 1;
    } else if (body[i] == '&') {
      bool known = false;
      for (const auto& [entity, character] : kEntities) {
        if (body.substr(i, entity.size()) == entity) {
          text += character;
          i += entity.size();
          known = true;
          break;
        }
      }
      if (!known) Fail("HTML '&' that is not an entity", doc);
    } else if (body[i] == '>' || body[i] == '\r') {
      Fail("HTML '>' or carriage return in the text", doc);
    } else {
      if (body[i] != '\n') text += body[i];
      ++i;
    }
  }
  return text;
}

void CheckDocuments(const RtfWriter& rtf, const HtmlWriter& html, const TextRecorder& given) {
  if (RtfText(rtf.Document()) != given.characters) Fail("RTF text differs", rtf.Document());
  std::string expected;
  for (char c : given.bytes) {
    if (c != '\r') expected += c;
  }
  // The page closes an open last paragraph, so a line break may follow.
  const std::string read = HtmlText(html.Document());
  if (read != expected && read != expected + "\n") Fail("HTML text differs", html.Document());
}

}  // namespace
}  // namespace horavela

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace horavela;
  FuzzedDataProvider data(bytes, size);
  RtfWriter rtf;
  HtmlWriter html;
  TextRecorder given;
  TeeSink sinks{&rtf, &html, &given};
  if (data.ConsumeBool()) {
    CalculationState state = SampleState();
    state.Input.subject = data.ConsumeRandomLengthString(256);
    OnePixelPictures composer(sinks);
    WriteReport(state, composer);
  }
  FreeComposition(data, sinks);
  CheckDocuments(rtf, html, given);
  return 0;
}
