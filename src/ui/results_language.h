#pragma once
// The results window's own captions in the chart's language. The window is built with its
// English captions; this gives each caption the language's text (from the language files, the
// same words as the printed pages), found by its English text so that it holds for any layout
// of the window. English leaves the window as it is.
#include <QTableWidget>
#include <QWidget>

#include "chart/result_texts.h"

namespace kalodaya::ui {

void ShowCaptionsInLanguage(QWidget* window, const ResultTexts& view);

// Makes a table at least as wide as its columns' contents and heads, so that a longer head
// (a translated one) or a bold row widens its panel rather than hiding a column.
void FitTableToColumns(QTableWidget* table);

}  // namespace kalodaya::ui
