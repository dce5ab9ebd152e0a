#!/usr/bin/python3
"""Tests of check_ts.py: each fault it must find, on small .ts texts."""
import os
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_ts  # noqa: E402


def ts(language, *messages):
    return ET.fromstring('<TS version="2.1" language="%s" sourcelanguage="en"><context><name>vantorel::Page</name>%s'
                         '</context></TS>' % (language, ''.join(messages)))


def message(source, translation, numerus=False):
    return '<message%s><source>%s</source>%s</message>' % (' numerus="yes"' if numerus else '', source, translation)


def plural(*forms):
    return '<translation>%s</translation>' % ''.join('<numerusform>%s</numerusform>' % f for f in forms)


class CheckTs(unittest.TestCase):
    def test_faults(self):
        cases = [
            # (language, source, translation, numerus, expected fault or None)
            ('pl', 'Writing', '<translation>Zapis</translation>', False, None),
            ('pl_PL', 'Port %1 of %2', '<translation>%2: port %1</translation>', False, None),
            ('de', 'Port %L1', '<translation>Port %L1</translation>', False, None),
            ('pl', 'Writing', '<translation type="unfinished">Zapis</translation>', False, 'unfinished'),
            ('pl', 'Writing', '', False, 'unfinished'),
            ('de', 'Writing', '<translation></translation>', False, 'empty'),
            ('pl', 'Gone: %1', '<translation>Brak</translation>', False, 'placeholders none, source has %1'),
            ('de', '%1 of %2', '<translation>%1 von %1</translation>', False, 'placeholders %1 %1, source has %1 %2'),
            ('de', 'Port %L1', '<translation>Port %1</translation>', False, 'placeholders %1, source has %L1'),
            ('pl', 'Done.', '<translation> Gotowe.</translation>', False, 'leading blanks'),
            ('pl', 'Done.', '<translation>Gotowe.\n</translation>', False, 'trailing blanks'),
            ('pl', ' (connected)', '<translation>(połączono)</translation>', False, 'leading blanks'),
            ('pl', '%n channel(s)', plural('%n kanał', '%n kanały', '%n kanałów'), True, None),
            ('de', '%n channel(s)', plural('%n Kanal', '%n Kanäle'), True, None),
            ('pl', '%n channel(s)', plural('%n kanał', '%n kanały'), True, '2 plural forms, pl needs 3'),
            ('de', '%n channel(s)', plural('%n Kanal', '%n Kanäle', '%n Kanäle'), True, '3 plural forms, de needs 2'),
            ('pl', '%n channel(s)', plural('%n kanał', 'kanały', '%n kanałów'), True, 'plural form 2: placeholders'),
            ('pl', '%n channel(s)', plural('%n kanał', '', '%n kanałów'), True, 'plural form 2 empty'),
            ('xx', 'Writing', '<translation>Zapis</translation>', False, 'language "xx"'),
        ]
        for language, source, translation, numerus, expected in cases:
            with self.subTest(language=language, source=source, translation=translation):
                faults = [f for _, _, f in check_ts.check_tree(ts(language, message(source, translation, numerus)))]
                if expected is None:
                    self.assertEqual(faults, [])
                else:
                    self.assertEqual(len(faults), 1, faults)
                    self.assertTrue(faults[0].startswith(expected), faults)

    def test_unfinished_may_be_allowed_but_nothing_else(self):
        root = ts('pl', message('A', '<translation type="unfinished"></translation>'),
                  message('%1', '<translation>x</translation>'))
        self.assertEqual(len(check_ts.check_tree(root, allow_unfinished=True)), 1)

    def test_exit_status(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, 'vantorel_pl.ts')
            script = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'check_ts.py')
            for translation, status in (('<translation>Zapis</translation>', 0), ('<translation/>', 1)):
                with open(path, 'w', encoding='utf-8') as f:
                    f.write(ET.tostring(ts('pl', message('Writing', translation)), encoding='unicode'))
                run = subprocess.run([sys.executable, script, folder], capture_output=True, text=True)
                self.assertEqual(run.returncode, status, run.stdout)
            self.assertEqual(subprocess.run([sys.executable, script, os.path.join(folder, 'none')],
                                            capture_output=True).returncode, 1)


if __name__ == '__main__':
    unittest.main()
