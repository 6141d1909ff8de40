#!/usr/bin/env python3
# usage: setts.py file.ts entries.json   entries: [[context, source, translation or [forms]], ...]
import sys, json, html
import xml.etree.ElementTree as ET
ts, entries = sys.argv[1], json.load(open(sys.argv[2]))
tree = ET.parse(ts)
root = tree.getroot()
done = 0
for ctxname, source, tr in entries:
    found = False
    for ctx in root.findall('context'):
        if ctx.findtext('name') != ctxname: continue
        for msg in ctx.findall('message'):
            if msg.findtext('source') != source: continue
            t = msg.find('translation')
            t.attrib.pop('type', None)
            if isinstance(tr, list):
                for c in list(t): t.remove(c)
                t.text = None
                for f in tr:
                    e = ET.SubElement(t, 'numerusform'); e.text = f
            else:
                t.text = tr
            found = True
    if not found: print('NOT FOUND', ctxname, repr(source)); 
    else: done += 1
body = ET.tostring(root, encoding='unicode')
open(ts, 'w').write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + '\n')
print(done, 'set')
