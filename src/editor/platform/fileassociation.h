// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The association of score files (*.svl) with the program on a freedesktop
// desktop, for the current user: a desktop entry for the program, a
// shared-mime-info package naming the file type "ソルベル数字譜ファイル", the
// program's icon, and the program as the type's default application. The
// desktop's databases are refreshed afterwards by their own commands when
// they are installed. Removal takes away exactly what registration wrote.
#include <functional>
#include <string>
#include <vector>

namespace sorvel {

// The folders the association lives in, and where the refresh commands are
// looked for. The program takes them from the environment; tests point them
// at a temporary folder.
struct AssociationPlaces {
    std::string dataHome;    // $XDG_DATA_HOME, else ~/.local/share
    std::string configHome;  // $XDG_CONFIG_HOME, else ~/.config
    std::string searchPath;  // $PATH

    static AssociationPlaces FromEnvironment();
};

// An icon of the program as PNG bytes, installed at its pixel size.
struct AssociationIcon {
    int size = 0;
    std::string png;
};

inline constexpr char kScoreMimeType[] = "application/x-sorvel-score";
// The opener's own desktop entry, apart from the program's menu entry
// (sorvel.desktop) that an installation puts in the same folder.
inline constexpr char kDesktopFileName[] = "sorvel-svl.desktop";

class FileAssociation {
public:
    // Runs a command (argv[0] an absolute path) and waits for it to end.
    using CommandRunner = std::function<void(const std::vector<std::string>& argv)>;

    FileAssociation(AssociationPlaces places, std::string executablePath,
                    std::vector<AssociationIcon> icons = {});

    // Whether the association is present: the file type's package exists.
    bool IsRegistered() const;

    // Writes the desktop entry, the type's package and the icons that are not
    // there yet, makes the program the type's default application, then
    // refreshes the databases.
    // False with a message in `error` (UTF-8) when a file cannot be written
    // or the program's path cannot be named in a desktop entry; what was
    // written before the failure is taken away again.
    bool Register(std::string* error);
    // Removes the files and the default-application entry that registration
    // wrote (files changed since by someone else stay), then refreshes the
    // databases. False with a message when a file cannot be removed.
    bool Unregister(std::string* error);

    // Replaces how the refresh commands are run (tests).
    void SetCommandRunner(CommandRunner runner) { runner_ = std::move(runner); }

    // The places of the files registration writes.
    std::string DesktopEntryPath() const;
    std::string MimePackagePath() const;
    std::string IconPath(int size) const;
    std::string DefaultsListPath() const;

    // The texts written into the desktop entry (naming the icons of the
    // given sizes as written by registration) and the type's package; the
    // desktop entry's text is empty when the program's path cannot be named
    // in one (not absolute, not UTF-8, or holding a line break).
    std::string DesktopEntryText(const std::vector<int>& iconSizes) const;
    static std::string MimePackageText();

    // The Exec value that starts `executablePath` with one file: the path
    // quoted and escaped as desktop entries require, then "%f".
    static std::string ExecLine(const std::string& executablePath);

private:
    // The sizes of the icons that registration wrote, as its entry lists them.
    std::vector<int> IconsWritten() const;
    bool WriteDefault(std::string* error);
    bool RemoveDefault(std::string* error);
    void Refresh();
    std::string FindCommand(const std::string& name) const;

    AssociationPlaces places_;
    std::string executable_;
    std::vector<AssociationIcon> icons_;
    CommandRunner runner_;
};

// The default-application list (mimeapps.list) with `mimeType` set to
// `desktopId` in its "[Default Applications]" group, and without it. The
// removal touches the key only while it still names `desktopId`, and drops a
// group it leaves empty. Exposed for tests.
std::string WithDefaultApplication(const std::string& text, const std::string& mimeType,
                                   const std::string& desktopId);
std::string WithoutDefaultApplication(const std::string& text, const std::string& mimeType,
                                      const std::string& desktopId);

}  // namespace sorvel
