#include "reader/topic_pdf.h"

#include <QBuffer>
#include <QHash>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QSaveFile>
#include <set>

#include "emf/font_faces.h"
#include "emf/record_types.h"
#include "reader/pdf_text_repair.h"
#include "reader/topic_catalogue.h"
#include "reader/topic_sheets.h"
#include "toolkit/fonts.h"

namespace tessaly::reader {
namespace {

// Three device units to a page pixel. The player fills very large glyphs as
// outlines, which would leave headings without text at a printer's 1200 dpi.
constexpr int kResolution = 288;
constexpr double kMarginMillimetres = 15;

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Qt's writer names glyphs only after characters of the first plane.
bool IsBmpCharacter(char32_t c) {
  return c <= 0xFFFF && (c < 0xD800 || c > 0xDFFF);
}

// Every character that the text records of the pages draw.
void CollectShownCharacters(const emf::EmfDocument& page,
                            std::set<char32_t>& shown) {
  for (const emf::EmfRecord& record : page.records()) {
    if (record.type !=
        static_cast<std::uint32_t>(emf::RecordType::kExtTextOutW))
      continue;
    const std::uint32_t count = record.bytes.U32(44);
    const std::uint32_t offset = record.bytes.U32(48);
    const emf::ByteView text =
        record.bytes.Sub(offset, std::uint64_t{count} * 2);
    if (!record.bytes.ok() || !text.ok()) continue;
    for (std::uint32_t i = 0; i < count; ++i) shown.insert(text.U16(i * 2));
  }
}

// The fonts that the pages and the footers draw with, as the player picks
// them; Qt embeds these.
QList<QRawFont> DrawingFonts() {
  QList<QRawFont> fonts;
  const std::pair<const char16_t*, std::uint8_t> faces[] = {
      {u"宋体", 134},
      {u"Times New Roman", 0},
      {u"Arial", 0},
      {u"Microsoft Sans Serif", 0},
      {u"MARLETT", 2}};
  for (const auto& [face, charset] : faces) {
    const emf::FaceInfo info =
        emf::LookupFace(QString::fromUtf16(face), charset);
    for (const QFont::Weight weight : {QFont::Normal, QFont::Bold}) {
      QFont font;
      font.setFamilies(info.marlett ? QStringList{QStringLiteral("DejaVu Sans")}
                                    : info.families);
      font.setPixelSize(16);
      font.setWeight(weight);
      fonts << QRawFont::fromFont(font);
    }
  }
  fonts << QRawFont::fromFont(toolkit::SongFont(9));
  return fonts;
}

// For each glyph of `font`, the lowest code point that maps to it: the one
// that Qt's writer puts into the PDF for that glyph.
QHash<quint32, char32_t> FirstCodePoints(const QRawFont& font) {
  QString all;
  std::vector<char32_t> code_points;
  for (char32_t c = 1; c <= 0xFFFF; ++c) {
    if (!IsBmpCharacter(c)) continue;
    all.append(QChar(static_cast<char16_t>(c)));
    code_points.push_back(c);
  }
  const QList<quint32> glyphs = font.glyphIndexesForString(all);
  QHash<quint32, char32_t> first;
  for (std::size_t i = 0; i < code_points.size(); ++i) {
    const quint32 glyph = glyphs.value(static_cast<qsizetype>(i));
    if (glyph != 0 && !first.contains(glyph))
      first.insert(glyph, code_points[i]);
  }
  return first;
}

// Code points that Qt writes for a glyph that the pages drew for another
// character. A code point claimed for two different characters is left as
// it is.
GlyphAliases AliasesOf(const std::set<char32_t>& shown) {
  static const QList<QPair<QRawFont, QHash<quint32, char32_t>>> fonts = [] {
    QList<QPair<QRawFont, QHash<quint32, char32_t>>> list;
    for (const QRawFont& font : DrawingFonts()) {
      if (font.isValid()) list.append({font, FirstCodePoints(font)});
    }
    return list;
  }();
  GlyphAliases aliases;
  std::set<char32_t> ambiguous;
  for (const char32_t c : shown) {
    if (!IsBmpCharacter(c)) continue;
    const QString text(QChar(static_cast<char16_t>(c)));
    for (const auto& [font, first] : fonts) {
      const QList<quint32> glyph = font.glyphIndexesForString(text);
      if (glyph.isEmpty() || glyph.front() == 0) continue;
      const char32_t written = first.value(glyph.front(), c);
      if (written == c || shown.contains(written)) continue;
      const auto [it, added] = aliases.emplace(written, c);
      if (!added && it->second != c) ambiguous.insert(written);
    }
  }
  for (const char32_t c : ambiguous) aliases.erase(c);
  return aliases;
}

}  // namespace

QByteArray TopicPdf(const TopicEntry& entry) {
  const QString title = ToQString(entry.title);
  const std::vector<emf::EmfDocument> pages = LoadTopicPages(entry);
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Tessaly"));
    writer.setResolution(kResolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(kMarginMillimetres, kMarginMillimetres,
                              kMarginMillimetres, kMarginMillimetres),
                    QPageLayout::Millimeter));
    QPainter painter(&writer);
    PaintTopicSheets(painter, writer, title, pages);
  }

  std::set<char32_t> shown;
  for (const emf::EmfDocument& page : pages)
    CollectShownCharacters(page, shown);
  const int count = static_cast<int>(pages.size());
  for (int i = 0; i < count; ++i) {
    for (const QChar c : SheetFooter(title, i, count))
      shown.insert(c.unicode());
  }
  const std::u32string shown_text(shown.begin(), shown.end());
  const std::optional<std::string> repaired =
      RepairPdfText(std::string_view(bytes.constData(),
                                     static_cast<std::size_t>(bytes.size())),
                    AliasesOf(shown), shown_text);
  if (!repaired) return bytes;
  return QByteArray(repaired->data(), static_cast<qsizetype>(repaired->size()));
}

std::optional<QString> WriteTopicPdf(const TopicEntry& entry,
                                     const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  const QByteArray pdf = TopicPdf(entry);
  if (file.write(pdf) != pdf.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

}  // namespace tessaly::reader
