#pragma once

namespace vantorel {

// Qt 6.4 on Linux names a combo box after its current item ("1", "C-1/0")
// whatever name it was given, so a screen reader announces the value and never
// what the box is for. Once installed (after the QApplication is made, before
// any window), every combo box is named as other widgets are - its accessible
// name, else the label it is the buddy of - and keeps its current item as its
// value, its popup list as its child and "show menu" as its action.
void installAccessibleComboBoxes();

} // namespace vantorel
