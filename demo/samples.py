#!/usr/bin/env python3
"""Sample projects and the history they leave, for the demonstration.

    python3 demo/samples.py PROFILE WINDOWS_PROFILE VERSION

PROFILE is the Linux path of a user's profile folder in a wine prefix (such
as .../drive_c/users/alice), WINDOWS_PROFILE the same folder as Windows sees
it (C:\\users\\alice), VERSION the Selector's four-part version.

Each project is made as the project dialog makes one: the folder
LOCATION\\NAME\\ and in it NAME.mbc, the bytes the Selector writes for a new
project, in code page 932 with CR LF. The history is the user's orvent.ini as
the Selector saves it after starting these projects, newest first. One
project has been deleted since, and one lies on a server that does not exist.
"""
import shutil
import sys
from pathlib import Path

PROJECTS = "ORVENT Projects"

# Newest first: name, application (as the history names it), project type
# recorded with the start, project type the project was created with, and
# where it lies ("" for the user's projects folder, or a network folder).
ROWS = [
    ("風況表示", "Wind Farm", 4, 1, ""),
    ("能登沖 洋上風力", "Energy", 1, 1, ""),
    ("Cape Hill", "Basic", 0, 0, ""),
    ("台風 極値風速", "Extreme Wind", 3, 3, ""),
    ("送電鉄塔 耐風設計", "Basic", 3, 3, ""),
    ("旧計画 2019", "Basic", 0, 0, "deleted"),
    ("共同観測 Site B", "Energy", 1, 1, "\\\\windsrv01\\projects\\"),
    ("Site A Met Mast", "Basic", 0, 0, ""),
    ("Site C Wake Study", "Wind Farm", 4, 1, ""),
    ("Site D Repowering", "Energy", 1, 1, ""),
    ("北海道 Site E 洋上", "Wind Farm", 4, 1, ""),
    ("Kobe Port Gusts", "Extreme Wind", 3, 3, ""),
]


def project_bytes(version, project_type):
    three = ".".join(version.split(".")[:3])
    text = (
        "! === ORVENT Basic Environment File ===\r\n\r\n!" + "=" * 73 + "\r\n"
        "&General_Parameters\r\n"
        f"FileVersion = {three},\r\n"
        f"ProjectType = {project_type},\t! 0:Measurement, 1:Meso-Scale, 2:Engineering(DWS)\r\n"
        "/\r\n"
    )
    return text.encode("cp932")


def history_bytes(rows):
    lines = [
        "!=== ORVENT Environment File ===",
        "! Recent Project (MAX:999)",
        "&RecentProject",
    ]
    for n, (name, app, project_type, location) in enumerate(rows, 1):
        lines.append(f'Recent{n:03d} = "{name}", "{app}", {project_type}, "{location}", "TD",')
    lines.append("/")
    return "".join(line + "\r\n" for line in lines).encode("cp932")


def main(profile, windows_profile, version):
    profile = Path(profile)
    folder = profile / "Documents" / PROJECTS
    shutil.rmtree(folder, ignore_errors=True)
    location = windows_profile.rstrip("\\") + "\\Documents\\" + PROJECTS + "\\"
    rows = []
    for name, app, started_type, created_type, where in ROWS:
        if where.startswith("\\\\"):
            rows.append((name, app, started_type, where + name + "\\"))
            continue
        rows.append((name, app, started_type, location + name + "\\"))
        if where != "deleted":
            (folder / name).mkdir(parents=True)
            (folder / name / (name + ".mbc")).write_bytes(project_bytes(version, created_type))
    settings = profile / "AppData" / "Roaming" / "ORVENT V5_2"
    settings.mkdir(parents=True, exist_ok=True)
    (settings / "orvent.ini").write_bytes(history_bytes(rows))


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
