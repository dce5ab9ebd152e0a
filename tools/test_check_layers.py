#!/usr/bin/python3
"""Tests of check_layers.py on small checkouts written to a temporary folder."""
import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_layers  # noqa: E402

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'check_layers.py')


def checkout(files):
    """A temporary checkout holding `files` ({path: text})."""
    folder = tempfile.TemporaryDirectory()
    for path, text in files.items():
        full = os.path.join(folder.name, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, 'w', encoding='utf-8') as f:
            f.write(text)
    return folder


def include(path):
    return '#include "%s"\n' % path


PAGES = {
    'src/channels/gui/ChannelsPage.h': '',
    'src/channels/ChannelTransfer.h': '',
    'src/backup/DeviceBackup.h': '',
    'src/app/MainWindow.h': '',
    'src/link/DeviceLink.h': '',
}

# (case, files added to PAGES, findings expected)
CASES = [
    ('page includes another feature page',
     {'src/modes/gui/ModesPage.cpp': include('channels/gui/ChannelsPage.h')},
     ['modes/gui/ModesPage.cpp includes channels/gui/ChannelsPage.h: modes/gui may not use channels/gui']),
    ('backup composes the channels core',
     {'src/backup/DeviceBackup.cpp': include('backup/DeviceBackup.h') + include('channels/ChannelTransfer.h')},
     []),
    ('channels core includes backup',
     {'src/channels/ChannelRecovery.cpp': include('backup/DeviceBackup.h')},
     ['channels/ChannelRecovery.cpp includes backup/DeviceBackup.h: channels may not use backup']),
    ('link includes a feature core above it',
     {'src/link/DeviceLink.cpp': include('channels/ChannelTransfer.h')},
     ['link/DeviceLink.cpp includes channels/ChannelTransfer.h: link may not use channels']),
    ('page widget includes the link through util/gui',
     {'src/util/gui/Progress.cpp': include('link/DeviceLink.h')},
     ['util/gui/Progress.cpp includes link/DeviceLink.h: util/gui may not use link']),
    ('page includes the link two layers down',
     {'src/options/gui/DeviceOptionsPage.cpp': include('link/DeviceLink.h')},
     []),
    ('command-line tool includes a page',
     {'cli/ChannelsCommands.cpp': include('channels/gui/ChannelsPage.h')},
     ['cli/ChannelsCommands.cpp includes channels/gui/ChannelsPage.h: cli may not use channels/gui']),
    ('feature includes the app layer',
     {'src/firmware/gui/FirmwarePage.cpp': include('app/MainWindow.h')},
     ['firmware/gui/FirmwarePage.cpp includes the app layer: app/MainWindow.h']),
    ('domain code includes Qt',
     {'src/modes/domain/ModeRecord.cpp': '#include <QString>\n'},
     ['modes/domain/ModeRecord.cpp (domain code) includes Qt']),
    ('a folder outside the table',
     {'src/extras/Extra.cpp': ''},
     ['extras/Extra.cpp: extras is not in the table of layers']),
    ('include cycle between two units',
     {'src/util/A.h': include('util/B.h'), 'src/util/B.h': include('util/A.h')},
     ['include cycle of 2 units: util/A, util/B']),
    ('library linked sideways',
     {'CMakeLists.txt': 'vantorel_layer_library(vantorel_modes_gui ${SRC} SOURCES\n'
                        '  modes/gui/ModesPage.cpp # the page\n  LINKS vantorel_channels_gui)\n'
                        'vantorel_layer_library(vantorel_channels_gui ${SRC} SOURCES channels/gui/ChannelsPage.h)\n'},
     ['library vantorel_modes_gui links vantorel_channels_gui: modes/gui may not use channels/gui']),
    ('library linked downwards',
     {'cmake/DomainLibrary.cmake': 'vantorel_layer_library(vantorel_base ${SRC} SOURCES util/Utils.cpp)\n'
                                   'vantorel_layer_library(vantorel_modes_domain ${SRC} SOURCES\n'
                                   '  modes/domain/ModeRecord.cpp LINKS vantorel_base)\n'},
     []),
]


class CheckLayers(unittest.TestCase):
    def test_cases(self):
        for name, files, expected in CASES:
            with self.subTest(name), checkout({**PAGES, **files}) as root:
                self.assertEqual(check_layers.check(root), expected)

    def test_program_reports_a_sideways_include_and_fails(self):
        with checkout({**PAGES, 'src/modes/gui/ModesPage.cpp': include('channels/gui/ChannelsPage.h')}) as root:
            run = subprocess.run([sys.executable, SCRIPT, root], capture_output=True, text=True)
        self.assertEqual(run.returncode, 1)
        self.assertTrue(run.stdout.endswith('1 finding(s)\n'), run.stdout)

    def test_program_passes_a_clean_checkout(self):
        with checkout(PAGES) as root:
            run = subprocess.run([sys.executable, SCRIPT, root], capture_output=True, text=True)
        self.assertEqual((run.returncode, run.stdout), (0, '0 finding(s)\n'))


if __name__ == '__main__':
    unittest.main()
