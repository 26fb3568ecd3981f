#pragma once

// The text of a PDF file as Qt writes one, for tests that print: each font's ToUnicode map
// applied to the glyphs the pages show, a line end after each run of text. Only what Qt's PDF
// writer produces is read (fonts named by their object number, glyphs shown one by one).
#include <QByteArray>
#include <QHash>
#include <QRegularExpression>
#include <QString>

namespace ondavi::testing {

// A stream's data, inflated when it is compressed.
inline QByteArray StreamData(const QString& object) {
  const qsizetype begin = object.indexOf(QLatin1String("stream\n"));
  const qsizetype end = object.lastIndexOf(QLatin1String("endstream"));
  if (begin < 0 || end < begin) return {};
  QByteArray data = object.mid(begin + 7, end - begin - 7).toLatin1();
  if (!object.left(begin).contains(QLatin1String("/FlateDecode"))) return data;
  data.prepend(QByteArray("\x01\x00\x00\x00", 4));  // qUncompress's size hint: 16 MB
  return qUncompress(data);
}

// Glyph to text, from a ToUnicode map's ranges and single characters.
inline QHash<uint, QString> ToUnicode(const QString& map) {
  QHash<uint, QString> glyphs;
  const auto hex = [](const QString& digits) { return digits.toUInt(nullptr, 16); };
  const auto text = [&](const QString& digits) {
    return QString(QChar(static_cast<char16_t>(hex(digits))));
  };
  static const QRegularExpression list(
      QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>\\s*\\[([^\\]]*)\\]"));
  for (const auto& m : list.globalMatch(map)) {
    uint glyph = hex(m.captured(1));
    static const QRegularExpression each(QStringLiteral("<([0-9A-Fa-f]+)>"));
    for (const auto& u : each.globalMatch(m.captured(3))) glyphs[glyph++] = text(u.captured(1));
  }
  static const QRegularExpression pair(
      QStringLiteral("^<([0-9A-Fa-f]+)>\\s*(?:<([0-9A-Fa-f]+)>\\s*)?<([0-9A-Fa-f]+)>\\s*$"),
      QRegularExpression::MultilineOption);
  for (const auto& m : pair.globalMatch(map)) {
    const uint last = m.captured(2).isEmpty() ? hex(m.captured(1)) : hex(m.captured(2));
    uint code = hex(m.captured(3));
    for (uint glyph = hex(m.captured(1)); glyph <= last; ++glyph) {
      glyphs[glyph] = QString(QChar(static_cast<char16_t>(code++)));
    }
  }
  return glyphs;
}

inline QString PdfText(const QByteArray& pdf) {
  const QString file = QString::fromLatin1(pdf);
  QHash<int, QString> objects;
  static const QRegularExpression object(QStringLiteral("(\\d+) 0 obj(.*?)endobj"),
                                         QRegularExpression::DotMatchesEverythingOption);
  for (const auto& m : object.globalMatch(file)) objects[m.captured(1).toInt()] = m.captured(2);
  QHash<int, QHash<uint, QString>> fonts;
  static const QRegularExpression to_unicode(QStringLiteral("/ToUnicode (\\d+) 0 R"));
  for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
    const auto m = to_unicode.match(it.value());
    if (m.hasMatch()) {
      fonts[it.key()] =
          ToUnicode(QString::fromLatin1(StreamData(objects.value(m.captured(1).toInt()))));
    }
  }
  QString text;
  static const QRegularExpression page_contents(QStringLiteral("/Contents (\\d+) 0 R"));
  static const QRegularExpression operation(
      QStringLiteral("/F(\\d+) [\\d.]+ Tf|<([0-9A-Fa-f]+)> Tj|\\bET\\b"));
  QList<int> pages;
  for (const auto& m : page_contents.globalMatch(file)) pages << m.captured(1).toInt();
  for (int page : pages) {
    const QString content = QString::fromLatin1(StreamData(objects.value(page)));
    const QHash<uint, QString>* font = nullptr;
    for (const auto& m : operation.globalMatch(content)) {
      if (m.captured(0) == QLatin1String("ET")) {
        text += QLatin1Char('\n');
      } else if (!m.captured(1).isEmpty()) {
        font = &fonts[m.captured(1).toInt()];
      } else if (font) {
        const QString glyphs = m.captured(2);
        for (qsizetype i = 0; i + 4 <= glyphs.size(); i += 4) {
          text += font->value(glyphs.mid(i, 4).toUInt(nullptr, 16));
        }
      }
    }
  }
  text.replace(QLatin1Char('\t'), QLatin1Char(' '));
  return text;
}

}  // namespace ondavi::testing
