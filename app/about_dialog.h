#pragma once
// The About window: program name and version, who made it, and where to find it.
#include <QDialog>
#include <QString>

#include "base/version.h"

class QLabel;

namespace nimbrel {

inline const QString kProgramNameAndVersion = QStringLiteral("Nimbrel ") + QString::fromLatin1(kVersionName);
inline constexpr const char* kHomePageAddress = "https://nimbrel.example.org/";

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    QLabel* lblName = nullptr;
    QLabel* lblLink = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace nimbrel
