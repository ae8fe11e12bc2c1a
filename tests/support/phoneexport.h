#pragma once

// A contact export as Android's Contacts app writes it, for tests and benchmarks: vCard 2.1,
// every contact in one file, names as Quoted-Printable UTF-8 with "=" soft line breaks,
// one to four phones (the first CELL;PREF, the others HOME), an e-mail on every other card
// and a folded photo.

#include <QByteArray>
#include <QString>

inline QByteArray PhoneExportQuotedPrintable(const QString &text)
{
    QByteArray out;
    int column = 0;
    for (const char c : text.toUtf8()) {
        const auto u = uchar(c);
        const QByteArray piece = (u > 32 && u < 127 && u != '=') ? QByteArray(1, c)
                                                                : "=" + QByteArray::number(u, 16).toUpper();
        if (column + piece.size() > 70) {
            out += "=\r\n";
            column = 0;
        }
        out += piece;
        column += int(piece.size());
    }
    return out;
}

// The name of card i.
inline QString PhoneExportName(int i)
{
    static const char *const names[] = {"Jürgen Müller", "Zoë Kovačević", "François Lefèvre", "Ñandú Peña",
                                        "Anna Rossi", "Björn Ågren", "Łukasz Wróbel", "Marie Dubois"};
    return QString::fromUtf8(names[i % 8]) + QStringLiteral(" %1").arg(i, 3, 10, QLatin1Char('0'));
}

// Phone k (0-based, k <= i % 4) of card i.
inline QString PhoneExportPhone(int i, int k)
{
    return QStringLiteral("+39 3%1 %2").arg(k).arg(1000000 + i * 7 + k);
}

inline QByteArray PhoneExport(int cards)
{
    QByteArray out;
    for (int i = 0; i < cards; ++i) {
        const QByteArray name = PhoneExportQuotedPrintable(PhoneExportName(i));
        out += "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:" + name + ";;;;\r\n";
        out += "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:" + name + "\r\n";
        for (int k = 0; k <= i % 4; ++k)
            out += (k == 0 ? "TEL;CELL;PREF:" : "TEL;HOME:") + PhoneExportPhone(i, k).toUtf8() + "\r\n";
        if (i % 2)
            out += "EMAIL;HOME:contact" + QByteArray::number(i) + "@example.com\r\n";
        out += "PHOTO;ENCODING=BASE64;JPEG:/9j/4AAQSkZJRgABAQAAAQABAAD/2wBDAAIBAQEBAQIBAQE\r\n"
               " CAgICAgQDAgICAgUEBAMEBgUGBgYFBgYGBwkIBgcJBwYGCAsICQoKCgoKBggLDAsKDAkKCgr/\r\n\r\n";
        out += "END:VCARD\r\n";
    }
    return out;
}
