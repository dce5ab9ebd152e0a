#!/usr/bin/env python3
"""Checks the Qt Linguist translation files (translations/*.ts).

A translation is a fault when it is unfinished, missing or empty; when its
placeholders (%1..%99, %L1.., %n) differ from those of its source text; when a
plural entry has another number of forms than its language has; or when it
starts or ends with blanks or line breaks other than those of its source.

Usage: check_ts.py [--allow-unfinished] FILE_OR_FOLDER...
Prints one line per fault and exits 1 when there is any.
"""

import os
import re
import sys
import xml.etree.ElementTree as ET

# Plural forms a language needs (as lrelease and QTranslator count them).
PLURAL_FORMS = {'pl': 3, 'de': 2}

PLACEHOLDER = re.compile(r'%L?(?:[1-9][0-9]?|n)')
LEADING = re.compile(r'^\s*')
TRAILING = re.compile(r'\s*$')


def text_of(element):
    # A <translation> keeps line breaks and blanks as written; itertext also
    # takes the <byte> forms lupdate writes for control characters (none here).
    return ''.join(element.itertext()) if element is not None else ''


def text_faults(source, translation):
    faults = []
    if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translation)):
        faults.append('placeholders %s, source has %s' % (
            ' '.join(sorted(PLACEHOLDER.findall(translation))) or 'none',
            ' '.join(sorted(PLACEHOLDER.findall(source))) or 'none'))
    if LEADING.match(source).group() != LEADING.match(translation).group():
        faults.append('leading blanks or line breaks differ from the source')
    if TRAILING.search(source).group() != TRAILING.search(translation).group():
        faults.append('trailing blanks or line breaks differ from the source')
    return faults


def check_tree(root, allow_unfinished=False):
    """Returns the faults of one parsed .ts file as (context, source, fault)."""
    language = (root.get('language') or '').replace('-', '_').split('_')[0]
    if language not in PLURAL_FORMS:
        return [('', '', 'language "%s" is not one of %s' % (root.get('language'), ', '.join(sorted(PLURAL_FORMS))))]
    faults = []
    for context in root.iter('context'):
        context_name = context.findtext('name', '')
        for message in context.iter('message'):
            source = message.findtext('source', '')
            translation = message.find('translation')
            kind = translation.get('type') if translation is not None else None
            if kind in ('vanished', 'obsolete'):
                continue  # not compiled into the program
            found = []
            if translation is None or kind == 'unfinished':
                if not allow_unfinished:
                    found.append('unfinished')
            elif message.get('numerus') == 'yes':
                forms = [text_of(form) for form in translation.iter('numerusform')]
                if len(forms) != PLURAL_FORMS[language]:
                    found.append('%d plural forms, %s needs %d' % (len(forms), language, PLURAL_FORMS[language]))
                for number, form in enumerate(forms, 1):
                    if not form:
                        found.append('plural form %d empty' % number)
                    else:
                        found += ['plural form %d: %s' % (number, f) for f in text_faults(source, form)]
            else:
                text = text_of(translation)
                found += ['empty'] if not text else text_faults(source, text)
            faults += [(context_name, source, fault) for fault in found]
    return faults


def ts_files(paths):
    for path in paths:
        if os.path.isdir(path):
            yield from sorted(os.path.join(path, n) for n in os.listdir(path) if n.endswith('.ts'))
        else:
            yield path


def main(argv):
    allow_unfinished = '--allow-unfinished' in argv
    paths = [a for a in argv if a != '--allow-unfinished']
    files = list(ts_files(paths))
    if not files:
        print('check_ts.py: no .ts files in %s' % ' '.join(paths))
        return 1
    count = 0
    for path in files:
        try:
            faults = check_tree(ET.parse(path).getroot(), allow_unfinished)
        except (ET.ParseError, OSError) as e:
            faults = [('', '', 'not a readable .ts file: %s' % e)]
        for context, source, fault in faults:
            print('%s: %s: "%s": %s' % (path, context, source.replace('\n', '\\n'), fault))
        count += len(faults)
    print('%d fault(s) in %d file(s)' % (count, len(files)))
    return 1 if count else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
