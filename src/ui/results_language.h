#pragma once
// The results window's own captions in the chart's language. The window is built with its
// English captions; this gives each caption the language's text (from the language files, the
// same words as the printed pages), found by its English text so that it holds for any layout
// of the window. English leaves the window as it is.
#include <QWidget>

#include "chart/result_texts.h"

namespace kalodaya::ui {

void ShowCaptionsInLanguage(QWidget* window, const ResultTexts& view);

}  // namespace kalodaya::ui
