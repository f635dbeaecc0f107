#!/usr/bin/env python3
"""Every translation is complete and current: each .ts, brought up to date
with the sources by lupdate (in a scratch copy), has no unfinished, obsolete
or vanished entry, and every translation holds the same placeholders (%1,
%n, ...) as its source text, and the same mnemonic count.

    check_ts.py LUPDATE SOURCE_DIR TS_FILE...
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

lupdate, sources, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
placeholder = re.compile(r'%(?:n|L?\d+)')
failures = []


def texts(message, tag):
    node = message.find(tag)
    if node is None:
        return []
    forms = node.findall('numerusform')
    return [f.text or '' for f in forms] if forms else [node.text or '']


for ts in ts_files:
    name = os.path.basename(ts)
    with tempfile.TemporaryDirectory() as scratch:
        current = os.path.join(scratch, name)
        shutil.copy(ts, current)
        subprocess.run([lupdate, '-silent', '-locations', 'none', '-no-obsolete', os.path.join(sources, 'src'),
                        '-ts', current], check=True)
        root = ET.parse(current).getroot()
    count = 0
    for context in root.findall('context'):
        where = context.findtext('name')
        for message in context.findall('message'):
            count += 1
            source = message.findtext('source') or ''
            translation = message.find('translation')
            kind = translation.get('type') if translation is not None else 'missing'
            if kind in ('unfinished', 'obsolete', 'vanished', 'missing'):
                failures.append(f'{name}: {where}: "{source}" is {kind}')
                continue
            wanted = sorted(set(placeholder.findall(source)))
            for text in texts(message, 'translation'):
                if sorted(set(placeholder.findall(text))) != wanted:
                    failures.append(f'{name}: {where}: "{text}" has not the placeholders {wanted} of "{source}"')
                if source.count('&') != text.count('&'):
                    failures.append(f'{name}: {where}: "{text}" has not the shortcut mark (&) of "{source}"')
    if count == 0:
        failures.append(f'{name}: no texts at all')

for failure in failures:
    print('FAIL:', failure)
print(f'{len(ts_files)} translations checked, {len(failures)} faults')
sys.exit(1 if failures else 0)
