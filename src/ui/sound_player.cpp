// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sound_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>
#include <iostream>

namespace talve::ui {
namespace {

QAudioFormat mono_format(QAudioFormat::SampleFormat sample_format) {
  QAudioFormat format;
  format.setSampleRate(kToneRate);
  format.setChannelCount(1);
  format.setSampleFormat(sample_format);
  return format;
}

// The samples as the device takes them: 32-bit when it can, else their
// upper 16 bits.
QByteArray pcm_bytes(const std::vector<std::int32_t>& samples, QAudioFormat::SampleFormat sample_format) {
  if (sample_format == QAudioFormat::Int32)
    return QByteArray(reinterpret_cast<const char*>(samples.data()),
                      static_cast<qsizetype>(samples.size() * sizeof(std::int32_t)));
  QByteArray bytes(static_cast<qsizetype>(samples.size() * sizeof(std::int16_t)), Qt::Uninitialized);
  auto* out = reinterpret_cast<std::int16_t*>(bytes.data());
  for (std::size_t i = 0; i < samples.size(); ++i) out[i] = static_cast<std::int16_t>(samples[i] >> 16);
  return bytes;
}

}  // namespace

bool SoundPlayer::play(const std::vector<std::int32_t>& samples) {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return false;
  QAudioFormat::SampleFormat sample_format = QAudioFormat::Int32;
  if (!device.isFormatSupported(mono_format(sample_format))) sample_format = QAudioFormat::Int16;
  QByteArray bytes = pcm_bytes(samples, sample_format);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QAudioSink sink(device, mono_format(sample_format));
  QEventLoop loop;
  // The sink turns idle once the buffer is played; a device that stops
  // answering does not hold the window: the wait ends a little after the
  // tone's own length.
  QObject::connect(&sink, &QAudioSink::stateChanged, &loop, [&](QAudio::State state) {
    if (state == QAudio::IdleState || state == QAudio::StoppedState) loop.quit();
  });
  const int tone_ms = static_cast<int>(samples.size() * 1000 / kToneRate);
  QTimer::singleShot(tone_ms + 500, &loop, &QEventLoop::quit);
  sink.start(&buffer);
  if (sink.error() != QAudio::NoError) return false;
  // A sink that never turned active played nothing.
  const bool active = sink.state() == QAudio::ActiveState;
  if (active) loop.exec(QEventLoop::ExcludeUserInputEvents);
  sink.stop();
  m_played = m_played || active;
  return true;
}

bool play_signal() {
  SoundPlayer player;
  bips(player, std::cout);
  return player.played();
}

}  // namespace talve::ui
