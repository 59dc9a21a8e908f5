#pragma once
// The About window: program name and version, who made it, and where to find it.
#include <QDialog>

class QLabel;

namespace nimbrel {

inline constexpr const char* kProgramNameAndVersion = "Nimbrel v1.82";
inline constexpr const char* kHomePageAddress = "https://nimbrel.example.org/";

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);

    QLabel* lblName = nullptr;
    QLabel* lblLink = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace nimbrel
