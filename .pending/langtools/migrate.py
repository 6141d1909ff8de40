#!/usr/bin/env python3
# migrate.py old.ts out.json : from the %1 singular/plural texts of a translation, the
# numerus forms of the %n texts that replaced them.
import sys, json
import xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
old = {}
for ctx in root.findall('context'):
    name = ctx.findtext('name')
    for m in ctx.findall('message'):
        t = m.find('translation')
        old[(name, m.findtext('source'))] = (t.text or '') if t is not None else ''
pairs = {
 'CFlashCardTakePage': [('So far, you have completed %{} card.', 'So far, you have completed %{} cards.'),
                        ('After you complete this card, you will have %{} card left', 'After you complete this card, you will have %{} cards left')],
 'CMathTakePage': [('So far, you have completed %{} problem.', 'So far, you have completed %{} problems.'),
                   ('After you answer this problem, you will have %{} problem left.', 'After you answer this problem, you will have %{} problems left.')],
 'CSpellingTakePage': [('So far, you have spelled %{} word.', 'So far, you have spelled %{} words.'),
                       ('After you spell this word, you will have %{} word left.', 'After you spell this word, you will have %{} words left.')],
}
out = []
for ctx, ps in pairs.items():
    for one, many in ps:
        f1 = old.get((ctx, one.format('1')))
        f2 = old.get((ctx, many.format('1')))
        if f1 is None or f2 is None:
            print('missing', ctx, one); continue
        forms = [f1.replace('%1', '%n'), f2.replace('%1', '%n')]
        out.append([ctx, one.format('n'), forms])
        out.append([ctx, many.format('n'), forms])
tf = old.get(('CTrueFalseTakePage', 'So far, you have answered %1 %2.\nAfter you answer this question, you will have %3 %4 left.'))
q1 = old.get(('CTrueFalseTakePage', 'question')); q2 = old.get(('CTrueFalseTakePage', 'questions'))
if tf and q1 and q2:
    done, rest = tf.split('\n', 1)
    d = [done.replace('%1', '%n').replace('%2', q) for q in (q1, q2)]
    r = [rest.replace('%3', '%n').replace('%4', q) for q in (q1, q2)]
    for src in ('So far, you have answered %n question.', 'So far, you have answered %n questions.'):
        out.append(['CTrueFalseTakePage', src, d])
    for src in ('After you answer this question, you will have %n question left.', 'After you answer this question, you will have %n questions left.'):
        out.append(['CTrueFalseTakePage', src, r])
else:
    print('missing TF', bool(tf), q1, q2)
json.dump(out, open(sys.argv[2], 'w'), ensure_ascii=False, indent=0)
for o in out: print(o)
