#pragma once

class QHeaderView;
class QWidget;

// Widths that follow the widget's font, so that a larger font or a higher resolution
// never cuts a caption or a column title.

// Room for `chars` characters of `widget`'s font (measured on digits, the widest ones
// being no narrower than the average letter), plus the frame a line edit draws.
int CharsWidth(const QWidget *widget, int chars);

// Gives each column of `header` the larger of `chars[column]` characters and the width
// its title needs; `count` entries of `chars` are read.
void SizeColumns(QHeaderView *header, const int *chars, int count);
