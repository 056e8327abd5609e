#!/usr/bin/env python3
"""Reads an iCalendar file with the icalendar library and prints, for each
event, its summary and the first N occurrences its DTSTART, RRULE and EXDATE
give under dateutil's recurrence engine, as wall-clock times in the event's
zone.

usage: expand_ics.py FILE N [--ringing]
       expand_ics.py FILE N AFTER ZONE

--ringing: what a calendar program rings: an event without a VALARM rings
nothing (its summary alone is printed), and each occurrence is moved by the
earliest trigger relative to the start.

With a moment and a zone after them, it prints for each series instead when
its reminder rings, the next N times after AFTER (a wall-clock time in ZONE):
the event's earliest display or audio VALARM from its start or end (at its
start without one), its EXDATEs left out and its changed occurrences
(RECURRENCE-ID) moved or cancelled; each time on the event's clock and on
ZONE's, separated by a space."""
import datetime
import sys
import pytz

import icalendar.cal
from dateutil.rrule import rruleset, rrulestr
from icalendar import Calendar


def wall(moment):
    """A date-time as the wall clock of its own zone reads it: the series is
    expanded without zones, so that an EXDATE in summer matches an occurrence
    whatever offset the start had."""
    return moment.replace(tzinfo=None) if isinstance(moment, datetime.datetime) else moment


original_to_tz = icalendar.cal.Timezone.to_tz


def zone_of(vtimezone):
    """The zone a VTIMEZONE names in X-LIC-LOCATION, from the system's zone
    database. icalendar 4's own conversion of a VTIMEZONE fails on a rule
    with a (correct, UTC) UNTIL: its DTSTART is naive (icalendar issue 708)."""
    return pytz.timezone(str(vtimezone["X-LIC-LOCATION"]))


def zone_of_any(vtimezone):
    """A VTIMEZONE that names no IANA zone is read as it stands."""
    if 'X-LIC-LOCATION' in vtimezone:
        return zone_of(vtimezone)
    return original_to_tz(vtimezone)


def reminder_of(event):
    """The earliest display or audio trigger against the start: a timedelta,
    or an absolute datetime; none without such a VALARM."""
    earliest = None
    for valarm in event.walk('VALARM'):
        if str(valarm.get('ACTION', '')).upper() not in ('DISPLAY', 'AUDIO') or 'TRIGGER' not in valarm:
            continue
        trigger = valarm['TRIGGER']
        offset = trigger.dt
        if isinstance(offset, datetime.timedelta) and trigger.params.get('RELATED', 'START').upper() == 'END':
            if 'DTEND' in event:
                offset += event['DTEND'].dt - event['DTSTART'].dt
            elif 'DURATION' in event:
                offset += event['DURATION'].dt
        if earliest is None or (isinstance(offset, datetime.timedelta) and offset < earliest):
            earliest = offset
    return earliest if earliest is not None else datetime.timedelta(0)


def ringings(event, changes, local, after, count):
    """(event wall, local wall) of the next `count` ringings after `after`."""
    start = event['DTSTART'].dt
    zone = start.tzinfo

    def ring(occurrence, offset):
        """An occurrence (naive, on the event's clock) with its reminder."""
        moment = occurrence + offset
        if zone is None:
            return moment, moment
        return moment, zone.localize(moment).astimezone(local).replace(tzinfo=None)

    def on_event_clock(moment):
        if zone is None or moment.tzinfo is None:
            return moment.replace(tzinfo=None)
        return moment.astimezone(zone).replace(tzinfo=None)

    offset = reminder_of(event)
    rule = event.get('RRULE')
    if isinstance(offset, datetime.datetime):
        # A reminder at one moment is due once, however often the event repeats.
        instant = offset.astimezone(local).replace(tzinfo=None)
        return [(on_event_clock(offset), instant)][:count] if instant > after else []
    if rule is None:
        return [r for r in [ring(start.replace(tzinfo=None), offset)] if r[1] > after][:count]
    rules = rruleset()
    rules.rrule(rrulestr(rule.to_ical().decode(), dtstart=start.replace(tzinfo=None)))
    exdates = event.get('EXDATE', [])
    for exdate in exdates if isinstance(exdates, list) else [exdates]:
        for value in exdate.dts:
            rules.exdate(on_event_clock(value.dt))
    extra = []
    for change in changes:
        rules.exdate(on_event_clock(change['RECURRENCE-ID'].dt))
        if str(change.get('STATUS', '')).upper() != 'CANCELLED':
            own = reminder_of(change) if change.walk('VALARM') else offset
            extra.append(ring(on_event_clock(change['DTSTART'].dt), own))
    found = []
    for occurrence in rules:
        ringing = ring(occurrence, offset)
        if ringing[1] > after:
            found.append(ringing)
        if len(found) >= count and all(ringing[1] > e[1] for e in extra):
            break
    found = sorted(found + [e for e in extra if e[1] > after], key=lambda r: r[1])
    return found[:count]


def print_ringings(calendar, count, after, zone):
    local = pytz.timezone(zone)
    after = datetime.datetime.fromisoformat(after)
    events = list(calendar.walk('VEVENT'))
    for event in events:
        if 'RECURRENCE-ID' in event or not isinstance(event['DTSTART'].dt, datetime.datetime):
            continue
        changes = [e for e in events if 'RECURRENCE-ID' in e and str(e.get('UID')) == str(event.get('UID'))]
        print('SUMMARY', str(event.get('SUMMARY')))
        for there, here in ringings(event, changes, local, after, count):
            print(there.isoformat(), here.isoformat())


def excluded(event):
    """The EXDATEs of an event, one property or several, each of one or more dates."""
    found = event.get('EXDATE')
    if found is None:
        return []
    dates = []
    for prop in found if isinstance(found, list) else [found]:
        dates.extend(wall(d.dt) for d in prop.dts)
    return dates


def earliest_trigger(event):
    """The earliest trigger relative to the start over the event's VALARMs,
    or None when it has none."""
    triggers = [alarm['TRIGGER'].dt for alarm in event.walk('VALARM') if 'TRIGGER' in alarm]
    relative = [t for t in triggers if isinstance(t, datetime.timedelta)]
    if not relative:
        return None
    return min(relative)


def occurrences_of(event, count):
    start = wall(event['DTSTART'].dt)
    rule = event.get('RRULE')
    series = rruleset()
    if rule is None:
        series.rdate(start)
    else:
        series.rrule(rrulestr(rule.to_ical().decode(), dtstart=start))
    for day in excluded(event):
        series.exdate(day)
    found = []
    for occurrence in series:
        found.append(occurrence)
        if len(found) == count:
            break
    return found


def main():
    path, count = sys.argv[1], int(sys.argv[2])
    ringing = '--ringing' in sys.argv[3:]
    after = len(sys.argv) > 4 and not ringing
    if after:
        # Other programs' zones, read by their names from the zone database.
        icalendar.cal.Timezone.to_tz = zone_of_any
    with open(path, 'rb') as f:
        calendar = Calendar.from_ical(f.read())
    if after:
        print_ringings(calendar, count, sys.argv[3], sys.argv[4])
        return
    for event in calendar.walk('VEVENT'):
        print('SUMMARY', str(event.get('SUMMARY')))
        shift = datetime.timedelta(0)
        if ringing:
            shift = earliest_trigger(event)
            if shift is None:
                continue
        for occurrence in occurrences_of(event, count):
            print((occurrence + shift).isoformat())


if __name__ == '__main__':
    main()
