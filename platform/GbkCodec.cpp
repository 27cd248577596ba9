// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "GbkCodec.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

namespace {

// Stateless converters: every call stands alone, so a lone lead byte at the end of one text is
// never carried into the next.
QStringDecoder& decoder()
{
    static QStringDecoder gbk("GBK", QStringConverter::Flag::Stateless);
    return gbk;
}

QStringEncoder& encoder()
{
    static QStringEncoder gbk("GBK", QStringConverter::Flag::Stateless);
    return gbk;
}

} // namespace

QString toQString(std::string_view gbk)
{
    // The stateless converter silently drops a lead byte left at the very end. A zero byte after
    // the text, which no text can hold, turns such a byte into U+FFFD like every other invalid
    // sequence, and is taken off again.
    QByteArray bytes(gbk.data(), static_cast<qsizetype>(gbk.size()));
    bytes.append('\0');
    QString string = decoder().decode(bytes);
    string.chop(1);
    return string;
}

QString toQString(const Text& text)
{
    return toQString(text.view());
}

Text fromQString(const QString& string)
{
    if (string.isEmpty())
        return {};
    const QByteArray gbk = encoder().encode(string);
    return Text::fromBytes(std::string_view(gbk.constData(), static_cast<std::size_t>(gbk.size())));
}

Text fromUtf8(std::string_view utf8)
{
    const QString string = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const QByteArray gbk = encoder().encode(string);
    return Text::fromBytes(std::string_view(gbk.constData(), static_cast<std::size_t>(gbk.size())));
}

} // namespace platform
