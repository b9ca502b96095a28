#pragma once

#include <array>
#include <string>
#include <vector>

#include <QGroupBox>
#include <QString>

#include "QuadFiles/QuadCurve.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace sg {

// A curve file a tool works on: the load button, the file's name, and a toggle per channel, with
// a swatch of its line colour, that shows or hides the channel in the tool's graph. Only
// channels the file has and that hold ink can be toggled. The box loads nothing itself: the
// view connects loadClicked() to its open action and calls showFile() with what the tool took.
class CurveFileBox : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int toggleCount = 10;

    CurveFileBox(const QString& title, const QString& loadText, QWidget* parent = nullptr);

    // The file the tool took: its path, its channel labels ("# K Curve") and its curve.
    void showFile(const QString& path, const std::vector<std::string>& labels,
                  const QuadCurve& curve);
    // No file: `text` in place of the name, no toggle to use.
    void showNoFile(const QString& text);
    // Empty before a file was shown.
    QString filePath() const { return filePath_; }

    // One flag per toggle, in channel order.
    std::vector<bool> showFlags() const;
    void setChannelTogglesVisible(bool visible);
    // A control of the tool's own below the toggles (e.g. "Show Original Curves").
    void addControl(QWidget* control);

    QPushButton* loadButton() const { return loadButton_; }
    QLabel* fileLabel() const { return fileLabel_; }
    QCheckBox* channelToggle(int channel) const {
        return toggles_.at(static_cast<std::size_t>(channel));
    }

signals:
    void loadClicked();
    void showFlagsChanged();

private:
    QString filePath_;
    QPushButton* loadButton_;
    QLabel* fileLabel_;
    QWidget* toggleGrid_;
    std::array<QCheckBox*, toggleCount> toggles_{};
    QVBoxLayout* layout_;
};

}  // namespace sg
