#pragma once

#include <QComboBox>
#include <QStringList>

namespace vantorel {

// A drop-down list of MIDI ports that is kept current: opening it asks for a
// fresh list first (opening()), and setPorts() replaces the items while the
// chosen port stays chosen, without reporting a change of choice.
class PortListBox : public QComboBox {
    Q_OBJECT
public:
    explicit PortListBox(QWidget* parent = nullptr);

    // The items become `names`; `chosen` is selected when it is among them,
    // otherwise the first item (or nothing when the list is empty).
    void setPorts(const QStringList& names, const QString& chosen);
    QStringList ports() const;

    void showPopup() override;

signals:
    // The user opens the list: refresh it now (the popup shows the result).
    void opening();
};

} // namespace vantorel
