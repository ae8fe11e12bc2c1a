#pragma once

// A contact export as Android's Contacts app writes it: vCard 2.1, every contact in one
// file, names as Quoted-Printable UTF-8 with soft line breaks, one to four phones, an
// e-mail on every other card and a folded photo.

#include <QByteArray>
#include <QString>

inline QByteArray BenchQuotedPrintable(const QString &text)
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

inline QByteArray BenchAndroidExport(int cards)
{
    static const char *const names[] = {"Jürgen Müller", "Zoë Kovačević", "François Lefèvre", "Ñandú Peña",
                                        "Anna Rossi", "Björn Ågren", "Łukasz Wróbel", "Marie Dubois"};
    QByteArray out;
    for (int i = 0; i < cards; ++i) {
        const QByteArray name = BenchQuotedPrintable(QString::fromUtf8(names[i % 8]) + QStringLiteral(" %1").arg(i));
        out += "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:" + name + ";;;;\r\n";
        out += "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:" + name + "\r\n";
        for (int k = 0; k <= i % 4; ++k)
            out += (k == 0 ? "TEL;CELL;PREF:+39 3" : "TEL;HOME:+39 0") + QByteArray::number(k) + " "
                   + QByteArray::number(1000000 + i * 7 + k) + "\r\n";
        if (i % 2)
            out += "EMAIL;HOME:contact" + QByteArray::number(i) + "@example.com\r\n";
        out += "PHOTO;ENCODING=BASE64;JPEG:/9j/4AAQSkZJRgABAQAAAQABAAD/2wBDAAIBAQEBAQIBAQE\r\n"
               " CAgICAgQDAgICAgUEBAMEBgUGBgYFBgYGBwkIBgcJBwYGCAsICQoKCgoKBggLDAsKDAkKCgr/\r\n\r\n";
        out += "END:VCARD\r\n";
    }
    return out;
}
