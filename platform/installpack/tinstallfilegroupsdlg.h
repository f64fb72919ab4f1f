#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "installpack/installdefinition.h"
#include "installpack/tinstalldialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace installpack {

class Installation;

// The choice of groups, each with its description, the destination folder
// with Browse, and the space the choice needs against the space free. The
// first group is required and cannot be left out.
class TInstallFileGroupsDlg : public TInstallDialog {
    Q_OBJECT
public:
    TInstallFileGroupsDlg(QWidget* parent, const QString& name, const Installation& installation,
                          const std::vector<FileGroup>& groups);

    std::set<std::string> Groups() const;
    QString Destination() const;
    void SetDestination(const QString& folder);
    bool Validate() override;

    // Browse asks this for a folder; tests replace it.
    std::function<std::optional<QString>(QWidget* owner, const QString& start)> ChooseFolder;

private:
    void UpdateSpace();
    std::uint64_t Required() const;

    const Installation& installation_;
    std::vector<std::pair<QCheckBox*, std::string>> checks_;
    QLineEdit* destination_;
    QLabel* required_;
    QLabel* available_;
};

}  // namespace installpack
