// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QUrl>
#include <string>
#include <vector>

#include "ui/window_fixture.h"

namespace talve::testing {

// Records the addresses the desktop is asked to open
// (QDesktopServices::setUrlHandler).
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void open(const QUrl& url) { opened << url; }
};

// A window test on the demo of examples/, copied into the temporary folder
// as "demo/", with the text editor replaced by a small program that writes
// down the files it is asked to open.
class PanelTest : public WindowTest {
 protected:
  void SetUp() override;

  // A click on a radio button's indicator, where a person clicks it (its
  // middle may lie past its caption).
  void click_radio(const char* name);
  // Replaces the value of a key in the demo's description.
  void set_in_description(const std::string& key, const std::string& value);
  // The value the demo's description file holds for a key ("" if absent).
  std::string in_description(const std::string& key) const;
  // The files the editor was asked to open, in order.
  std::vector<std::string> edited() const;
  // Waits for the editor to have been asked `count` files.
  bool wait_for_edits(std::size_t count) const;

  std::string description;  // demo/demo.dsc
  std::string data;         // demo/donnees/
  std::string editor_log;
};

}  // namespace talve::testing
