#include "installpack/tinstallfilegroupsdlg.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "installpack/installation.h"

namespace installpack {

namespace {

QString Size(std::uint64_t bytes) {
    return QLocale().formattedDataSize(static_cast<qint64>(bytes));
}

}  // namespace

TInstallFileGroupsDlg::TInstallFileGroupsDlg(QWidget* parent, const QString& name,
                                             const Installation& installation,
                                             const std::vector<FileGroup>& groups)
    : TInstallDialog(parent, name, tr("Select Components"), Buttons::Wizard),
      installation_(installation),
      destination_(new QLineEdit(this)),
      required_(new QLabel(this)),
      available_(new QLabel(this)) {
    ChooseFolder = [](QWidget* owner, const QString& start) -> std::optional<QString> {
        const QString folder =
            QFileDialog::getExistingDirectory(owner, tr("Destination Folder"), start);
        return folder.isEmpty() ? std::nullopt : std::optional<QString>(folder);
    };
    for (std::size_t i = 0; i < groups.size(); ++i) {
        auto* check = new QCheckBox(QString::fromStdString(groups[i].groupName), this);
        check->setObjectName(QStringLiteral("GroupCheck%1").arg(i + 1));
        check->setChecked(true);
        check->setEnabled(i != 0);
        Body()->addWidget(check);
        QStringList lines;
        for (const std::string& line : groups[i].description) {
            lines << QString::fromStdString(line);
        }
        auto* description = new QLabel(lines.join(u'\n'), this);
        description->setObjectName(QStringLiteral("GroupDescription%1").arg(i + 1));
        description->setIndent(20);
        Body()->addWidget(description);
        checks_.emplace_back(check, groups[i].groupName);
        connect(check, &QCheckBox::toggled, this, [this] { UpdateSpace(); });
    }
    Body()->addWidget(new QLabel(tr("Destination folder:"), this));
    auto* row = new QHBoxLayout;
    destination_->setObjectName(QStringLiteral("DestinationEdit"));
    destination_->setText(QString::fromStdString(installation.DefaultDestination().string()));
    row->addWidget(destination_, 1);
    auto* browse = new QPushButton(tr("B&rowse..."), this);
    browse->setObjectName(QStringLiteral("BrowseButton"));
    row->addWidget(browse);
    Body()->addLayout(row);
    required_->setObjectName(QStringLiteral("SpaceRequiredLabel"));
    available_->setObjectName(QStringLiteral("SpaceAvailableLabel"));
    Body()->addWidget(required_);
    Body()->addWidget(available_);
    Body()->addStretch(1);
    connect(browse, &QPushButton::clicked, this, [this] {
        if (const std::optional<QString> folder = ChooseFolder(this, Destination())) {
            SetDestination(*folder);
        }
    });
    connect(destination_, &QLineEdit::textChanged, this, [this] { UpdateSpace(); });
    UpdateSpace();
}

std::set<std::string> TInstallFileGroupsDlg::Groups() const {
    std::set<std::string> groups;
    for (const auto& [check, group] : checks_) {
        if (check->isChecked()) {
            groups.insert(group);
        }
    }
    return groups;
}

QString TInstallFileGroupsDlg::Destination() const {
    return QDir::cleanPath(destination_->text().trimmed());
}

void TInstallFileGroupsDlg::SetDestination(const QString& folder) {
    destination_->setText(QDir::toNativeSeparators(folder));
}

std::uint64_t TInstallFileGroupsDlg::Required() const {
    try {
        return installation_.SpaceRequired(Groups());
    } catch (const std::exception&) {
        return 0;  // a broken archive fails the copying, with its reason
    }
}

void TInstallFileGroupsDlg::UpdateSpace() {
    required_->setText(tr("Space required: %1").arg(Size(Required())));
    const QString folder = Destination();
    available_->setText(folder.isEmpty()
                            ? tr("Space available: unknown")
                            : tr("Space available: %1")
                                  .arg(Size(Installation::SpaceAvailable(folder.toStdString()))));
}

bool TInstallFileGroupsDlg::Validate() {
    QString problem;
    const QString folder = Destination();
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder)) {
        problem = tr("Please choose a destination folder with its full path.");
    } else if (Required() > Installation::SpaceAvailable(folder.toStdString())) {
        problem =
            tr("There is not enough free space in '%1'. Please choose another folder.").arg(folder);
    }
    if (problem.isEmpty()) {
        return true;
    }
    vcl::Application().MessageBox({problem, vcl::Application().Title(), vcl::MessageButtons::OK,
                                   vcl::MessageIcon::Information, vcl::ModalResult::OK});
    return false;
}

}  // namespace installpack
