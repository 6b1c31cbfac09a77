#include "tools/SetSweepPage.h"

#include <QList>
#include <QStringView>
#include <array>

namespace setsweep {

namespace {

// Lines 4 to 34 of the page, less the two that name a host. The browser builds the
// table; the zero padding of the picture names follows the picture host's own naming.
constexpr std::array kHeadLines = {
    R"(s="<html><body bgcolor=#c0c0c0>")",
    R"(s=s+"<center>")",
    R"(s=s+"<table width=50% cols=2 cellpadding=2 cellspacing=2 border=2>")",
    R"(s=s+"<col width=20% align=center>")",
    R"(s=s+"<col width=80% align=center>")",
};

constexpr std::array kLoopLines = {
    R"(s=s+"<tr><th>Set Number</th><th>Set Picture</th></tr></thead>")",
    R"(s=s+"<tbody>")",
    R"(for (i=start;i<start+nbrofsets;i++))",
    R"({)",
    R"(s=s+"<tr>")",
    R"(s=s+"<td>")",
    R"(s=s+i)",
    R"(s=s+"</td>")",
    R"(s=s+"<td>")",
};

constexpr std::array kTailLines = {
    R"(if (i>0 & i<10) {s=s+"0000"})",
    R"(if (i>9 & i<100) {s=s+"000"})",
    R"(if (i>999 & i<10000) {s=s+"00"})",
    R"(if (i>9999) {s=s+"0"})",
    R"(s=s+i)",
    R"(+ ".jpg width='192' height='144'> ")",
    R"(+ " ")",
    R"(s=s+"</td>")",
    R"(s=s+"</tr>")",
    R"(})",
    R"(s=s+"</tbody>")",
    R"(s=s+"</table>")",
    R"(s=s+"</center></body></html>")",
    R"(document.write(s))",
    R"(</script>)",
};

// The page is single-byte text. Latin-1 keeps every byte a code point below 256; one
// '?' per character beyond it, so a character outside the BMP does not become two.
QByteArray toSingleByte(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const uint codePoint : QStringView(text).toUcs4()) {
        bytes.append(codePoint < 0x100 ? static_cast<char>(codePoint) : '?');
    }
    return bytes;
}

class PageBuilder {
  public:
    void line(const QByteArray& text) { bytes_.append(text).append("\r\n"); }

    template <std::size_t N>
    void lines(const std::array<const char*, N>& texts) {
        for (const char* text : texts) {
            line(text);
        }
    }

    QByteArray take() { return std::move(bytes_); }

  private:
    QByteArray bytes_;
};

}  // namespace

QString trimBlanks(const QString& value) {
    qsizetype first = 0;
    qsizetype end = value.size();
    while (first < end && value[first] == u' ') {
        ++first;
    }
    while (end > first && value[end - 1] == u' ') {
        --end;
    }
    return value.mid(first, end - first);
}

QByteArray pageBytes(const QString& rangeStart, const QString& setCount) {
    PageBuilder page;
    page.line("<script>");
    page.line("start=" + toSingleByte(trimBlanks(rangeStart)) + ";");
    page.line("nbrofsets=" + toSingleByte(trimBlanks(setCount)) + ";");
    page.lines(kHeadLines);
    page.line(QByteArray(R"(s=s+"<thead><tr><th colspan=2>Lego&#174 Set Pictures from )") +
              kLegoSiteDomain + R"(</th>")");
    page.lines(kLoopLines);
    page.line(QByteArray(R"(s=s+"<img src=http://)") + kProductImageHost +
              R"(/images/shop/Products/TYPE10/LEGO-US-2057/set384x288us")");
    page.lines(kTailLines);
    return page.take();
}

}  // namespace setsweep
