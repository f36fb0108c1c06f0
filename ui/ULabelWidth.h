#pragma once

class QLabel;

namespace pixmora {

// Makes the label at least as wide as the widest text it can show (WidestLabelText), in its
// own font and margins; a label with no such text keeps its width.
void FitWidestText(QLabel* label);

}  // namespace pixmora
