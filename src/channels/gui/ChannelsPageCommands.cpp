// The editing commands of the User Mode page and the copy of a row into the
// edit row.

#include "channels/gui/ChannelsPage.h"

#include "link/DeviceLink.h"
#include "channels/gui/ChannelListView.h"
#include "channels/gui/ChannelTableModel.h"
#include "channels/gui/CalculatorDialog.h"
#include "channels/gui/ChannelInputDialog.h"
#include "channels/gui/DescriptionDialog.h"
#include "channels/gui/RowColoursDialog.h"
#include "util/qt/TextConversions.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace vantorel {

namespace {

int comboIndex(const std::vector<std::string>& list, const std::string& text)
{
    return findComboItem(list, text, MatchMode::Exact);
}

} // namespace

// ------------------------------------------------------------ edit row

void ChannelsPage::setFromNote(int index)
{
    if (cbxFromNotes->currentIndex() == index)
        onFromNoteChanged();
    else
        cbxFromNotes->setCurrentIndex(index); // runs onFromNoteChanged
}

void ChannelsPage::onFromNoteChanged()
{
    // The To list: the labels from the From note up to the last one, with the
    // From note itself selected.
    const int from = cbxFromNotes->currentIndex();
    if (from != m_toListFrom) {
        cbxToNotes->clear();
        if (from >= 0) {
            const auto& labels = noteLabelList();
            QStringList entries;
            entries.reserve(kNoteCount - from);
            for (size_t i = size_t(from); i < labels.size(); ++i)
                entries << QString::fromStdString(labels[i]);
            cbxToNotes->addItems(entries);
        }
        m_toListFrom = from;
    }
    cbxToNotes->setCurrentIndex(cbxToNotes->count() > 0 ? 0 : -1);
}

void ChannelsPage::onControlModeChanged()
{
    const int mode = cbxActCtrVal->currentIndex();
    const bool active = mode == 0;
    sedCHVal->setEnabled(mode == 1);
    for (QWidget* box :
         {static_cast<QWidget*>(cbxActOn), static_cast<QWidget*>(cbxFromNotes), static_cast<QWidget*>(cbxToNotes),
          static_cast<QWidget*>(cbxVelVal), static_cast<QWidget*>(sedVelVal), static_cast<QWidget*>(cbxMIDICh)})
        box->setEnabled(active);
    if (active)
        sedCHVal->setValue(0);
    // The fixed value box follows the data type once the row is active again.
    onDataTypeChanged();
}

void ChannelsPage::onDataTypeChanged()
{
    // Its own state, not the panel's: the panel is locked while a transfer runs.
    if (!cbxVelVal->isEnabledTo(pnlSettings))
        return;
    sedVelVal->setEnabled(cbxVelVal->currentIndex() == 1);
}

void ChannelsPage::onDmxChannelChanged()
{
    const int value = sedDmxCh->value();
    if (std::abs(value - m_previousDmxValue) == 1) {
        lvDMXChannels->clearRowSelection();
        const int row = findListRow(m_model->rows(), std::to_string(value));
        if (row >= 0) {
            lvDMXChannels->makeCurrent(row);
            scrollToRow(row);
        }
    }
    m_previousDmxValue = value;
}

void ChannelsPage::onDmxChannelEntered()
{
    const int row = findListRow(m_model->rows(), sedDmxCh->cleanText().toStdString());
    if (row < 0) {
        lvDMXChannels->clearRowSelection();
        if (askUser(tr("Adding DMX Channel"), tr("DMX Channel doesn't exists\r\nAdd channel?"), tr("Yes"), tr("No"))
            == 1)
            addChannel(true);
        return;
    }
    lvDMXChannels->makeCurrent(row);
    scrollToRow(row);
}

std::string ChannelsPage::defaultToLabel() const
{
    if (cbxToNotes->count() > 0)
        return cbxToNotes->itemText(0).toStdString();
    return noteLabel(0);
}

void ChannelsPage::resetEditPanel()
{
    sedDmxCh->setValue(sedDmxCh->minimum());
    cbxActCtrVal->setCurrentIndex(0);
    cbxMIDICh->setCurrentIndex(0);
    cbxActOn->setCurrentIndex(0);
    setFromNote(0);
    cbxVelVal->setCurrentIndex(0);
    sedCHVal->setValue(0);
    sedVelVal->setValue(0);
    showChannelCount();
}

ChannelsPage::EditRowState ChannelsPage::editRowState() const
{
    EditRowState state;
    state.dmx = sedDmxCh->value();
    state.mode = cbxActCtrVal->currentIndex();
    state.constant = sedCHVal->value();
    state.midi = cbxMIDICh->currentIndex();
    state.activeOn = cbxActOn->currentIndex();
    state.from = cbxFromNotes->currentIndex();
    state.to = cbxToNotes->currentIndex();
    state.dataType = cbxVelVal->currentIndex();
    state.fixed = sedVelVal->value();
    state.description = ledlngDescr->text();
    return state;
}

void ChannelsPage::restoreEditRow(const EditRowState& state)
{
    {
        // The list's selection stays where the transfer left it.
        const QSignalBlocker quiet(sedDmxCh);
        sedDmxCh->setValue(state.dmx);
        m_previousDmxValue = sedDmxCh->value();
    }
    cbxActCtrVal->setCurrentIndex(state.mode);
    cbxMIDICh->setCurrentIndex(state.midi);
    cbxActOn->setCurrentIndex(state.activeOn);
    setFromNote(state.from);
    cbxToNotes->setCurrentIndex(state.to);
    cbxVelVal->setCurrentIndex(state.dataType);
    sedVelVal->setValue(state.fixed);
    ledlngDescr->setText(state.description);
    onControlModeChanged();
    sedCHVal->setValue(state.constant);
    showChannelCount();
}

std::optional<ChannelValues> ChannelsPage::panelValues() const
{
    const int mode = cbxActCtrVal->currentIndex();
    const int channel = cbxMIDICh->currentIndex();
    const int activeOn = cbxActOn->currentIndex();
    const int from = cbxFromNotes->currentIndex();
    const int toOffset = cbxToNotes->currentIndex();
    const int dataType = cbxVelVal->currentIndex();
    if (mode < 0 || channel < 0 || activeOn < 0 || from < 0 || toOffset < 0 || dataType < 0)
        return std::nullopt;
    ChannelValues values;
    values.dmxChannel = sedDmxCh->value();
    values.valueMode = mode == 1;
    values.constantValue = sedCHVal->value();
    values.midiChannel = channel + 1;
    values.controlChange = activeOn == 1;
    values.from = from;
    values.to = from + toOffset;
    values.fixedValue = dataType == 1;
    values.fixedValueValue = sedVelVal->value();
    return values;
}

// ------------------------------------------------------------ the list

int ChannelsPage::currentRow() const
{
    const QModelIndex current = lvDMXChannels->currentIndex();
    if (current.isValid() && lvDMXChannels->selectionModel()->isRowSelected(current.row(), {}))
        return current.row();
    return lvDMXChannels->firstSelectedRow();
}

void ChannelsPage::scrollToRow(int row)
{
    if (row >= 0 && row < m_model->size())
        lvDMXChannels->scrollTo(m_model->index(row, 0));
}

bool ChannelsPage::loadRowIntoPanel()
{
    const int row = currentRow();
    if (row < 0)
        return false;
    const ChannelRecord record = m_model->row(row);
    auto improper = [this, row] {
        showMessage(tr("Improper data format in current line! \r\nLine: %1").arg(row));
        return false;
    };

    const auto number = parseInteger(record.dmxChannel);
    if (!number)
        return improper();
    sedDmxCh->setValue(*number);
    cbxActCtrVal->setCurrentIndex(comboIndex(controlModeList(), record.controlMode));
    cbxActOn->setCurrentIndex(comboIndex(activeOnList(), record.activeOn));
    setFromNote(comboIndex(noteLabelList(), record.fromNumber));
    cbxToNotes->setCurrentIndex(comboIndex(toList(cbxFromNotes->currentIndex()), record.toNumber));
    cbxVelVal->setCurrentIndex(comboIndex(dataTypeList(), record.dataType));
    cbxMIDICh->setCurrentIndex(comboIndex(midiChannelList(), record.midiChannel));
    const auto constant = parseInteger(record.constantValue);
    if (!constant)
        return improper();
    sedCHVal->setValue(*constant);
    const auto fixed = parseInteger(record.fixedValue);
    if (!fixed)
        return improper();
    sedVelVal->setValue(*fixed);
    ledlngDescr->setText(QString::fromStdString(record.description));
    onControlModeChanged();
    onDataTypeChanged();
    return true;
}

void ChannelsPage::onListDoubleClicked()
{
    loadRowIntoPanel();
}

void ChannelsPage::onListEnterReleased()
{
    loadRowIntoPanel();
}

void ChannelsPage::onPopupAboutToShow()
{
    const bool any = !m_model->isEmpty();
    const int selected = int(lvDMXChannels->selectedRowNumbers().size());
    for (QAction* action : pupDMXChannels->actions())
        action->setEnabled(any);
    milngDescr->setEnabled(selected == 1);
    milngAddChannel1->setEnabled(selected == 1 || !any);
    enableFieldToolItems();
}

std::optional<QString> ChannelsPage::encodeRowForDevice(int row)
{
    if (row < 0 || row >= m_model->size())
        return std::nullopt;
    lvDMXChannels->makeCurrent(row);
    loadRowIntoPanel();
    const auto values = panelValues();
    if (!values)
        return std::nullopt;
    return QString::fromStdString(encodeChannelPayload(*values));
}

bool ChannelsPage::addChannelFromDump(const ChannelDump& dump)
{
    const auto record = recordFromDump(dump);
    if (!record)
        return false;
    if (m_deviceTableExpected) {
        m_deviceTableExpected = false;
        m_model->clear();
    }
    // The edit row follows the dump: it shows the last decoded From note.
    setFromNote(dump.from);
    bool replaced = false;
    const int row = m_model->putDumpRow(*record, &replaced);
    if (replaced)
        m_link.appendResult(tr("Channel %1 received again: it replaces the earlier row.")
                                .arg(QString::fromStdString(record->dmxChannel)));
    scrollToRow(row);
    return true;
}

void ChannelsPage::onChannelDump(const QString& payload)
{
    if (m_dumpsIgnored)
        return;
    DeviceLink& link = m_link;
    if (m_restOfDump.isActive()) {
        // The rest of a stream that was cancelled: not the table's.
        m_restOfDump.start();
        link.appendResult(tr("Channel data after a cancel ignored: %1").arg(payload));
        return;
    }
    const auto dump = decodeChannelPayload(payload.toStdString());
    if (!dump) {
        link.appendResult(tr("Unreadable channel data: %1").arg(payload));
    } else {
        link.appendResult(QString::fromStdString(channelDumpLogLine(*dump)));
        if (dump->number == 0) {
            // The read is answered; the table in hand stays.
            m_deviceTableExpected = false;
            emit link.statusText(tr("No user data in device."));
        } else {
            const ChannelTable before = m_model->rows();
            if (addChannelFromDump(*dump))
                m_document->recordDeviceRows(before);
            else
                link.appendResult(tr("Channel without note labels left out: %1").arg(payload));
        }
    }
    showChannelCount();
}

// ------------------------------------------------------------ commands

int ChannelsPage::addDefaultChannelRow(int number)
{
    const int row = m_model->insertSorted(defaultChannelRecord(number, defaultToLabel()));
    lvDMXChannels->makeCurrent(row);
    scrollToRow(row);
    return row;
}

void ChannelsPage::setChannelFromEditRow()
{
    const auto edit = recordEdit(tr("Set channel %1").arg(QString::fromStdString(dmxChannelText(sedDmxCh->value()))));
    const std::string boxText = sedDmxCh->cleanText().toStdString();
    int row = findListRow(m_model->rows(), boxText);
    if (row < 0) {
        lvDMXChannels->clearRowSelection();
        if (askUser(tr("Adding DMX Channel"), tr("DMX Channel doesn't exists\r\nAdd channel?"), tr("Yes"), tr("No"))
            != 1)
            return;
        addDefaultChannelRow(sedDmxCh->value());
    } else {
        lvDMXChannels->makeCurrent(row);
        scrollToRow(row);
    }
    if (m_model->isEmpty())
        return;

    lvDMXChannels->clearRowSelection();
    row = findListRow(m_model->rows(), boxText);
    if (row < 0) {
        showMessage(tr("Error: Setting of non existing channel."));
        return;
    }
    // Every box is written, also those the control mode disables.
    const QString description = QString::fromStdString(sanitizedDescription(ledlngDescr->text().toStdString()));
    ledlngDescr->setText(description);
    ChannelRecord record;
    record.dmxChannel = dmxChannelText(sedDmxCh->value());
    record.controlMode = cbxActCtrVal->currentText().toStdString();
    record.activeOn = cbxActOn->currentText().toStdString();
    record.fromNumber = cbxFromNotes->currentText().toStdString();
    record.toNumber = cbxToNotes->currentText().toStdString();
    record.dataType = cbxVelVal->currentText().toStdString();
    record.midiChannel = cbxMIDICh->currentText().toStdString();
    record.constantValue = sedCHVal->cleanText().toStdString();
    record.fixedValue = sedVelVal->cleanText().toStdString();
    record.description = description.toStdString();
    row = m_model->setRecord(row, std::move(record));

    lvDMXChannels->makeCurrent(row);
    scrollToRow(row);
    lvDMXChannels->viewport()->update();
    lvDMXChannels->setFocus();
}

void ChannelsPage::addChannelFromMenu()
{
    addChannel(false);
}

void ChannelsPage::addChannel(bool fromDmxBox)
{
    auto edit = recordEdit(tr("Add channel"));
    for (;;) {
        QString proposal = QStringLiteral("1");
        if (!m_model->isEmpty()) {
            const int highest = highestDmxNumber(m_model->rows());
            if (highest >= kLastDmxChannel)
                return;
            proposal = QString::number(highest + 1);
        }

        QString answer;
        if (fromDmxBox) {
            answer = sedDmxCh->cleanText();
        } else {
            const std::optional<QString> typed
                = inputBox ? inputBox(tr("DMX Channel"), tr("New DMX channel"), proposal) : proposal;
            answer = typed ? *typed : proposal;
        }
        if (answer.isEmpty())
            return;

        int number = 0;
        const std::optional<Error> problem = checkNewChannelNumber(m_model->rows(), answer.toStdString(), number);
        if (!problem) {
            edit.setCaption(tr("Add channel %1").arg(QString::fromStdString(dmxChannelText(number))));
            addDefaultChannelRow(number);
            return;
        }
        showMessage(errorText(*problem));
        if (fromDmxBox)
            return;
    }
}

void ChannelsPage::deleteSelectedChannels()
{
    const QList<int> rows = lvDMXChannels->selectedRowNumbers();
    if (rows.isEmpty())
        return;
    if (askUser(tr("Deleting DMX channel(s)"), tr("Delete channel(s)?"), tr("Yes"), tr("No")) != 1)
        return;
    showUserModePage();
    const auto edit
        = recordEdit(rows.size() == 1 ? tr("Delete 1 channel") : tr("Delete %n channels", nullptr, int(rows.size())));
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        m_model->removeRowAt(*it);
    resetEditPanel();
}

void ChannelsPage::deleteAllChannels()
{
    if (askUser(tr("Deleting DMX channel(s)"), tr("Delete channel(s)?"), tr("Yes"), tr("No")) != 1)
        return;
    showUserModePage();
    const auto edit = recordEdit(tr("Delete all channels"));
    m_model->clear();
    resetEditPanel();
}

void ChannelsPage::clearSelectedChannelData()
{
    showUserModePage();
    const QList<int> rows = lvDMXChannels->selectedRowNumbers();
    if (rows.isEmpty())
        return;
    std::vector<std::string> collected;
    for (int row : rows)
        collected.push_back(m_model->row(row).dmxChannel);
    lvDMXChannels->clearRowSelection();
    const auto edit = recordEdit(rows.size() == 1 ? tr("Clear data of 1 channel")
                                                  : tr("Clear data of %n channels", nullptr, int(rows.size())));

    size_t next = 0;
    for (int row = 0; row < m_model->size() && next < collected.size(); ++row) {
        if (m_model->row(row).dmxChannel != collected[next])
            continue;
        ChannelRecord record = m_model->row(row);
        clearChannelData(record, defaultToLabel());
        m_model->setRecord(row, std::move(record));
        if (const auto number = parseInteger(m_model->row(row).dmxChannel))
            sedDmxCh->setValue(*number);
        sedCHVal->setValue(0);
        sedVelVal->setValue(0);
        ledlngDescr->clear();
        ++next;
    }
}

void ChannelsPage::clearAllChannelData()
{
    showUserModePage();
    const auto edit = recordEdit(tr("Clear all channels data"));
    for (int row = 0; row < m_model->size(); ++row) {
        lvDMXChannels->clearRowSelection();
        if (const auto number = parseInteger(m_model->row(row).dmxChannel))
            sedDmxCh->setValue(*number);
        ChannelRecord record = m_model->row(row);
        clearChannelData(record, defaultToLabel());
        m_model->setRecord(row, std::move(record));
    }
}

void ChannelsPage::addAllChannels()
{
    showUserModePage();
    const auto edit = recordEdit(tr("Add 512 DMX channels"));
    m_model->replaceAll(allDefaultChannels(defaultToLabel()));
    sedCHVal->setValue(0);
    sedVelVal->setValue(0);
    lvDMXChannels->clearRowSelection();
}

void ChannelsPage::copySelectedChannels()
{
    const QList<int> rows = lvDMXChannels->selectedRowNumbers();
    if (rows.isEmpty())
        return;
    const int first = highestDmxNumber(m_model->rows()) + 1;
    if (first > kLastDmxChannel) {
        showMessage(tr("Channels list has already 512 DMX Channels!"));
        scrollToRow(m_model->size() - 1);
        return;
    }
    std::vector<std::string> collected;
    for (int row : rows)
        collected.push_back(m_model->row(row).dmxChannel);
    const int count = int(collected.size());
    const int highest = kLastDmxChannel + 1 - count;

    ChannelInputDialog& dialog = *m_channelInput;
    dialog.setWindowTitle(tr("Copying DMX Channel(s)"));
    dialog.setPrompt(tr("Enter destination of channels copy."), tr("Available range: %1 - %2").arg(first).arg(highest),
                     first);
    dialog.lowestChannel = first;
    dialog.highestChannel = highest;
    if (!runChannelInput || !runChannelInput(dialog))
        return;

    lvDMXChannels->clearRowSelection();
    const auto edit
        = recordEdit(count == 1 ? tr("Copy & paste 1 channel") : tr("Copy & paste %n channels", nullptr, count));
    // The sources are the rows as they stood before the first copy.
    ChannelCopies copies = copyChannels(m_model->rows(), collected, dialog.channelNumber);
    for (ChannelRecord& copy : copies.rows)
        m_model->insertSorted(std::move(copy));
    if (copies.reachedLast)
        showMessage(tr("Maximum of 512 DMX Channels reached!"));
    scrollToRow(m_model->size() - 1);
}

void ChannelsPage::editDescription()
{
    const QList<int> rows = lvDMXChannels->selectedRowNumbers();
    if (rows.size() != 1) {
        showMessage(tr("Improper selection."));
        return;
    }
    m_descriptionDialog->setDescription(QString::fromStdString(m_model->row(rows.first()).description));
    if (runDescrForm)
        runDescrForm(*m_descriptionDialog);
}

void ChannelsPage::writeDescriptionToCurrentRow(const QString& text)
{
    const int row = currentRow();
    if (row < 0)
        return;
    const auto edit = recordEdit(tr("Edit description of channel %1").arg(m_model->cellText(row, ColDmxChannel)));
    m_model->setCell(row, ColDescription, text);
    lvDMXChannels->makeCurrent(row);
}

void ChannelsPage::showCalculator()
{
    m_calculator->show();
    m_calculator->raise();
    m_calculator->activateWindow();
}

void ChannelsPage::editRowColours()
{
    const int result = runColorSettings ? runColorSettings(*m_rowColoursDialog) : 0;
    if (result == RowColoursDialog::ResultOk)
        lvDMXChannels->viewport()->update();
}

} // namespace vantorel
