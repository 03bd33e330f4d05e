// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/system_error.h"

#include <cerrno>
#include <utility>

namespace talve {
namespace {

// The errors that reading and writing files, starting programs and
// allocating memory meet; the others are shown by their number.
constexpr std::pair<int, const char*> kTexts[] = {
    {EACCES, "permission refusée"},
    {EPERM, "opération non permise"},
    {ENOENT, "fichier ou dossier introuvable"},
    {ENOTDIR, "un élément du chemin n'est pas un dossier"},
    {EISDIR, "ce chemin désigne un dossier"},
    {EEXIST, "le fichier existe déjà"},
    {ENOTEMPTY, "le dossier n'est pas vide"},
    {ENOSPC, "plus de place sur le disque"},
    {EDQUOT, "quota du disque dépassé"},
    {EROFS, "disque en lecture seule"},
    {EFBIG, "fichier trop grand pour la limite de taille des fichiers"},
    {ENAMETOOLONG, "nom de fichier trop long"},
    {ELOOP, "trop de liens symboliques dans le chemin"},
    {EXDEV, "les deux chemins sont sur des disques différents"},
    {EMFILE, "trop de fichiers ouverts par le programme"},
    {ENFILE, "trop de fichiers ouverts sur le système"},
    {EIO, "erreur de lecture ou d'écriture du disque"},
    {ENXIO, "périphérique absent"},
    {ENODEV, "périphérique absent"},
    {EBUSY, "ressource occupée"},
    {ETXTBSY, "fichier programme occupé"},
    {EAGAIN, "ressource momentanément indisponible"},
    {EINTR, "opération interrompue"},
    {ENOMEM, "mémoire insuffisante"},
    {EINVAL, "argument invalide"},
    {ENOEXEC, "ce fichier n'est pas un programme"},
    {E2BIG, "liste d'arguments trop longue"},
    {ESTALE, "fichier réseau devenu inaccessible"},
    {ETIMEDOUT, "délai dépassé"},
    {EPIPE, "la sortie a été fermée"},
    {EBADF, "fichier non ouvert"},
    {ENOSYS, "opération non prise en charge par le système"},
    {EOPNOTSUPP, "opération non prise en charge"},
};

}  // namespace

std::string system_error_text(int error_number) {
  for (const auto& [number, text] : kTexts)
    if (number == error_number) return text;
  return "erreur système n° " + std::to_string(error_number);
}

}  // namespace talve
