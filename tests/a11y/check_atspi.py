#!/usr/bin/python3
"""The program as a screen reader sees it, through AT-SPI: starts the program
with accessibility on (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1) in a folder whose
question file begins with a system that has infinitely many solutions, finds
every named control by its Japanese name, works one step with the drill
panel's buttons through their AT-SPI actions, answers the special-solution
choice, and reads the step pictures' descriptions.

    check_atspi.py <program> <folder to start in>

Run it inside a D-Bus session on an X display (tools/a11y.sh does that).
"""
import os
import subprocess
import sys
import time

import pyatspi

APP_NAME = "Tabulon 行列と連立方程式"

START_WINDOW = ["行列と連立方程式　Tabulon 数学Ｃ", "行列の学習", "連立方程式", "ヘルプ", "終了"]
DRILL_PANEL = ["第1行", "第2行", "第3行", "第4行", "たす", "ひく", "かける", "わる", "入れ替え",
               "実行", "訂正", "次の問題", "ワークシートを先へ送る", "ワークシートを前へ戻す",
               "小数点", "マイナス", "分の", "クリア"]
CHOICE_WINDOW = ["解なし", "解は無数にある"]

failures = []


def check(ok, what):
    print(("  ok    " if ok else "  FAIL  ") + what)
    if not ok:
        failures.append(what)


def walk(node, depth=0):
    yield node
    if depth > 40:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def find_app(timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == APP_NAME:
                return app
        time.sleep(0.3)
    return None


def named(app):
    found = {}
    for node in walk(app):
        try:
            if node.name and node.name not in found:
                found[node.name] = node
        except Exception:
            pass
    return found


def wait_for(app, predicate, timeout=15):
    end = time.time() + timeout
    while time.time() < end:
        nodes = named(app)
        result = predicate(nodes)
        if result:
            return result
        time.sleep(0.3)
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in ("press", "click", "activate"):
            action.doAction(i)
            return True
    return False


def description(nodes, name):
    node = nodes.get(name)
    return node.description if node is not None else None


def main():
    program, folder = sys.argv[1], sys.argv[2]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=os.path.join(folder, "config"))
    proc = subprocess.Popen([program], cwd=folder, env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    try:
        app = find_app()
        if app is None:
            sys.exit("the program did not appear on the accessibility bus")
        print("start window:")
        nodes = wait_for(app, lambda n: n if "連立方程式" in n else None)
        for name in START_WINDOW:
            check(nodes is not None and name in nodes, f"「{name}」")

        print("drill panel and worksheet:")
        press(nodes["連立方程式"])
        nodes = wait_for(app, lambda n: n if "つぎの連立方程式" in (description(n, "図1") or "")
                         else None)
        for name in DRILL_PANEL:
            check(nodes is not None and name in nodes, f"「{name}」")
        check(nodes is not None and description(nodes, "図1") ==
              "x+2y=3、2x+4y=6　1(1)つぎの連立方程式を解きなさい",
              "図1 says the question: " + str(description(nodes, "図1")))
        check(nodes is not None and description(nodes, "図2") ==
              "係数の行列を作ると　［1, 2 | 3］［2, 4 | 6］",
              "図2 says the matrix: " + str(description(nodes, "図2")))

        # Row 2 minus row 1 times 2: a zero row, so the choice window opens.
        for name in ["第2行", "ひく", "第1行", "かける", "２", "実行"]:
            node = named(app).get(name)
            check(node is not None and press(node), f"press 「{name}」")
            time.sleep(0.3)
        print("special-solution choice:")
        nodes = wait_for(app, lambda n: n if all(c in n for c in CHOICE_WINDOW) else None)
        for name in CHOICE_WINDOW:
            check(nodes is not None and name in nodes, f"「{name}」")
        if nodes is not None:
            press(nodes["解は無数にある"])
        nodes = wait_for(app, lambda n: n if "【答】" in (description(n, "図4") or "") else None)
        check(nodes is not None and description(nodes, "図3") ==
              "第2行から第1行の2倍をひくと　［1, 2 | 3］［0, 0 | 0］",
              "図3 says the step: " + str(nodes and description(nodes, "図3")))
        check(nodes is not None and "【答】解は無数にある" in (description(nodes, "図4") or ""),
              "図4 says the answer: " + str(nodes and description(nodes, "図4")))
    finally:
        proc.kill()
        proc.wait()
    if failures:
        sys.exit(f"{len(failures)} accessibility checks failed")
    print("every named control was found through AT-SPI")


if __name__ == "__main__":
    main()
